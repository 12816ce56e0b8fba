#include "translation.h"

#include "platform/locale.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <cstring>
#include <limits>

namespace translation {

namespace {

// The context of every text of the catalogue.
constexpr const char *context = "tabderiv";

} // namespace

QString choose(const QStringList &userLanguages, const QStringList &translated)
{
    for (QString language : userLanguages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            return {};
        if (translated.contains(language))
            return language;
        const QLocale wanted(language);
        if (wanted.language() == QLocale::C)
            continue; // not a language Qt knows
        for (const QString &candidate : translated) {
            const QLocale locale(candidate);
            if (locale.language() == wanted.language() && locale.script() == wanted.script())
                return candidate;
        }
    }
    return {};
}

bool install(QCoreApplication &application, const QLocale &locale)
{
    // The languages built into the program: ":/translations/tabderiv_pt_BR.qm" and so on. Only
    // the chosen one is loaded. Qt's own texts follow the program's language, so that a dialog
    // never speaks another language than the window.
    QStringList translated;
    for (const QString &file : QDir(QStringLiteral(":/translations")).entryList())
        translated.append(file.mid(qsizetype(std::strlen("tabderiv_"))).chopped(3));
    const QString language = choose(locale.uiLanguages(), translated);
    if (language.isEmpty())
        return false;
    auto *own = new QTranslator(&application);
    if (!own->load(QStringLiteral(":/translations/tabderiv_") + language)) {
        delete own;
        return false;
    }
    auto *qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    QCoreApplication::installTranslator(own); // asked first
    // Qt's own translation says the same for the languages it has; this holds without it.
    if (QLocale(language).textDirection() == Qt::RightToLeft)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return true;
}

QString text(const char *english)
{
    return QCoreApplication::translate(context, english);
}

QString text(const char *english, long long count)
{
    // Qt counts in an int; no count of the program comes near its end.
    return QCoreApplication::translate(
        context, english, nullptr,
        static_cast<int>(std::clamp<long long>(count, 0, std::numeric_limits<int>::max())));
}

QString message(const platform::Message &message)
{
    const auto translate = [](const char *english, std::optional<long long> count) {
        return (count ? text(english, *count) : text(english)).toStdString();
    };
    return QString::fromStdString(message.render(translate, platform::localeDecimalPoint()));
}

} // namespace translation
