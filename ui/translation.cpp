#include "translation.h"

#include "platform/locale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <limits>

namespace translation {

namespace {

// The context of every text of the catalogue.
constexpr const char *context = "tabderiv";

} // namespace

bool install(QCoreApplication &application, const QLocale &locale)
{
    // The languages in the user's order: the first that is English, or that the program has,
    // wins. Qt's own texts follow the program's language, so that a dialog never speaks
    // another language than the window.
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            return false;
        auto *own = new QTranslator(&application);
        if (!own->load(QStringLiteral("tabderiv_") + language, QStringLiteral(":/translations"))) {
            delete own;
            continue;
        }
        auto *qt = new QTranslator(&application);
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        QCoreApplication::installTranslator(own); // asked first
        return true;
    }
    return false;
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
