#pragma once

#include "platform/message.h"

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The user's language: the program's own texts (translations/, built into the program) and
// Qt's (Debian's qt6-translations-l10n), chosen by the locale's languages in order of
// preference (LANGUAGE first). Where there is no translation every text stays English.
namespace translation {

// The language to speak, of those given (file names: "de", "pt_BR"), for the user's languages in
// order of preference (QLocale::uiLanguages()): the first that is English or that has a
// translation wins. A language without its own translation takes one in the same language and
// script ("pt" and "pt_PT" take "pt_BR", "zh" and "zh_SG" take "zh_CN", but "zh_TW", written in
// the traditional characters, none). Empty for English.
QString choose(const QStringList &userLanguages, const QStringList &translated);
// Installs the translations for the locale into the application, the program's and Qt's, and
// lays the application out right to left for a language written so. Returns false when the
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
