#include "locale.h"

#include <QLocale>

namespace platform {

std::string localeDecimalPoint()
{
    const QLocale locale;
    if (locale.zeroDigit() != QLatin1String("0"))
        return ".";
    return locale.decimalPoint().toStdString();
}

} // namespace platform
