#include "locale.h"

#include <QLocale>

namespace platform {

std::string localeDecimalPoint()
{
    return QLocale().decimalPoint().toStdString();
}

} // namespace platform
