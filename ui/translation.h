#pragma once

#include "platform/message.h"

#include <QLocale>
#include <QString>

class QCoreApplication;

// The user's language: the program's own texts (translations/, built into the program) and
// Qt's (Debian's qt6-translations-l10n), chosen by the locale's languages in order of
// preference (LANGUAGE first). Where there is no translation every text stays English.
namespace translation {

// Installs the translations for the locale into the application. Returns false when the
// program has none for its languages.
bool install(QCoreApplication &application, const QLocale &locale = QLocale());
// A text of the catalogue (platform/catalogue.h) in the user's language.
QString text(const char *english);
// A text of the catalogue with %n in the user's language: the plural form for count, with %n
// written as count.
QString text(const char *english, long long count);
// A message in the user's language, its numbers written with the locale's decimal point.
QString message(const platform::Message &message);

} // namespace translation
