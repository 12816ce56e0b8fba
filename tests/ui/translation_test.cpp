#include "platform/catalogue.h"
#include "support/fakes.h"
#include "support/tables.h"
#include "ui/abscissabox.h"
#include "ui/argumentlabel.h"
#include "ui/form1.h"
#include "ui/layout.h"
#include "ui/outputfield.h"
#include "ui/qtfiledialog.h"
#include "ui/translation.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace {

// The window in another language for one test: its locale and its translation, Qt's too
// where Debian's are installed.
class Language
{
public:
    Language(const QLocale &locale, const QString &name) : m_before(QLocale())
    {
        QLocale::setDefault(locale);
        EXPECT_TRUE(m_own.load(":/translations/tabderiv_" + name)) << name.toStdString();
        m_hasQt = m_qt.load("qtbase_" + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QCoreApplication::installTranslator(&m_qt);
        QCoreApplication::installTranslator(&m_own);
    }
    ~Language()
    {
        QCoreApplication::removeTranslator(&m_own);
        QCoreApplication::removeTranslator(&m_qt);
        QLocale::setDefault(m_before);
    }
    bool hasQt() const { return m_hasQt; }

private:
    QLocale m_before;
    QTranslator m_own;
    QTranslator m_qt;
    bool m_hasQt = false;
};

struct Reported
{
    std::unique_ptr<Form1> form;
    std::vector<QString> reports;
};

std::unique_ptr<Reported> window(std::vector<std::optional<std::string>> answers)
{
    auto reported = std::make_unique<Reported>();
    reported->form = std::make_unique<Form1>(std::make_unique<ScriptedDialog>(std::move(answers)));
    reported->form->setReport([r = reported.get()](QMessageBox::Icon, const QString &text) {
        r->reports.push_back(text);
    });
    return reported;
}

TEST(Translation, SpeaksGermanInAGermanLocale)
{
    const Language german(QLocale(QLocale::German, QLocale::Germany), "de");
    Files files;
    const std::string samples = files.write("squares.txt", squares);
    auto shown = window({samples, files.path("a.txt"), samples, files.path("b.txt"),
                         files.write("header.txt", "x,y\n" + squares)});
    Form1 &form = *shown->form;
    EXPECT_EQ(form.cmdcalculate->text(), "Berechnen");
    EXPECT_EQ(form.cmdquit->text(), "Beenden");
    EXPECT_EQ(form.txtx->accessibleName(), "Abszisse x");
    EXPECT_EQ(form.Label1->text(), "y'(         ) = "); // symbols stay
    EXPECT_EQ(form.windowTitle(), "Form1");

    // A number the program names is written as the window writes numbers; the typed text
    // stands as typed.
    form.txtx->setText("2,5x");
    form.cmdcalculate->click();
    EXPECT_EQ(form.lbloutputyprime->text(), "5,0000");
    auto *announcer = form.findChild<QLabel *>("announcer");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !announcer->text().isEmpty(); }, 3000));
    EXPECT_EQ(announcer->text(), "Bei x = 2,5: Ableitung 5,0000; Wert 6,2500");
    form.txtx->setText("12");
    form.cmdcalculate->click();
    form.cmdcalculate->click();
    ASSERT_EQ(shown->reports.size(), 3U);
    EXPECT_EQ(shown->reports[0],
              "Die Abszisse „2,5x“ wurde als 2,5 gelesen: Der Rest, „x“, gehört nicht zur Zahl.");
    EXPECT_EQ(shown->reports[1], "Kein Wert bei x = 12: Die Tabelle reicht von 0 bis 4.");
    EXPECT_EQ(shown->reports[2], "„header.txt“, Zeile 1: „x“ ist keine Zahl.");
    EXPECT_EQ(form.lbloutputyprime->toolTip(), "Ableitung y′ an der Stelle x");
}

TEST(Translation, ChoosesTheFirstOfTheUsersLanguagesThatItSpeaks)
{
    const QStringList translated {"ar", "de",    "es", "fr", "it",   "ja",
                                  "pl", "pt_BR", "ru", "uk", "zh_CN"};
    // The user's languages as QLocale::uiLanguages() gives them for LANGUAGE, then LANG.
    const struct
    {
        QStringList user;
        QString chosen;
    } choices[] = {
        {{"de-DE", "de-Latn-DE", "de"}, "de"},
        {{"C"}, ""},
        {{"en-US", "de-DE"}, ""}, // English first: nothing to translate
        {{"sv-SE", "sv-Latn-SE", "fr-FR"}, "fr"},
        {{"nl-NL", "nl-Latn-NL"}, ""},
        {{"ar-EG", "ar-Arab-EG", "ar"}, "ar"},
        // A region the program has no translation for: the same language in the same script.
        {{"de-AT", "de-Latn-AT"}, "de"},
        {{"pt", "pt-Latn-BR", "pt-BR"}, "pt_BR"},
        {{"pt-PT", "pt-Latn-PT"}, "pt_BR"},
        {{"zh", "zh-Hans-CN", "zh-CN"}, "zh_CN"},
        {{"zh-SG", "zh-Hans-SG"}, "zh_CN"},
        // Traditional characters are not the simplified ones: only where the user lists them.
        {{"zh-TW", "zh-Hant-TW"}, ""},
        {{"zh-HK", "zh-Hant-HK"}, ""},
        {{"zh-HK", "zh-Hant-HK", "zh-CN", "zh-Hans-CN", "zh"}, "zh_CN"},
        // Another language in the same script is another language.
        {{"be-BY", "be-Cyrl-BY"}, ""},
    };
    for (const auto &[user, chosen] : choices)
        EXPECT_EQ(translation::choose(user, translated), chosen) << user.join(' ').toStdString();
}

TEST(Translation, AsksTheReplaceQuestionsInTheWindowsLanguage)
{
    const Language french(QLocale(QLocale::French, QLocale::France), "fr");
    Files files;
    const std::string samples = files.write("squares.txt", squares);
    EXPECT_EQ(replaceQuestion(QString::fromStdString(samples), QString::fromStdString(samples)),
              "«\u00a0squares.txt\u00a0» est le fichier d’échantillons qui vient d’être lu. "
              "Remplacer ses échantillons par les résultats\u00a0?");
    if (!french.hasQt())
        GTEST_SKIP() << "Qt's own translations are not installed (qt6-translations-l10n)";
    // Another file: Qt's own question, in Qt's own French.
    EXPECT_NE(replaceQuestion(QString::fromStdString(files.write("other.txt", "")),
                              QString::fromStdString(samples))
                  .indexOf("existe déjà"),
              -1);
}

// A language with two plural forms, "one" for a count of 1, that marks the form a count picked:
// what the window asked for shows in the text.
class TwoForms : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int n) const override
    {
        if (QLatin1String(context) != "tabderiv" || n < 0)
            return {};
        return QString(n == 1 ? "[one] " : "[other] ") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

TEST(Translation, PicksThePluralFormForTheCountOfASentence)
{
    TwoForms forms;
    QCoreApplication::installTranslator(&forms);
    using platform::Message;
    const struct
    {
        Message message;
        QString shown;
    } cases[] = {
        {Message(texts::fewSamples, Message::Plural {3},
                 {Message::Name {"s.txt"}, Message::Count {4}}),
         "[other] \"s.txt\" holds only 3 samples; at least 4 are needed to estimate derivatives."},
        {Message(
             texts::cannotWrite,
             {Message::Name {"r.txt"},
              Message(texts::bytesCutShort, Message::Plural {1}, {Message::Count {120}}).nested()}),
         "Cannot write \"r.txt\". [one] Only 1 of 120 bytes reached the disk."},
        {Message(texts::bytesCutShort, Message::Plural {0}, {Message::Count {120}}),
         "[other] Only 0 of 120 bytes reached the disk"},
    };
    for (const auto &[message, shown] : cases)
        EXPECT_EQ(translation::message(message), shown);
    QCoreApplication::removeTranslator(&forms);
}

// A language whose every text of the program is 40 % longer than English, in letters with
// accents, with the placeholders kept: what a long translation does to the fixed window.
class Pseudo : public QTranslator
{
public:
    static QString lengthened(const QString &text)
    {
        static const QString plain = "aceilnorstuACEILNORSTU";
        static const QString accented = "àçéîłñöŕšţüÀÇÉÎŁÑÖŔŠŢÜ";
        QString shown;
        for (const QChar c : text)
            shown += plain.contains(c) ? accented.at(plain.indexOf(c)) : c;
        const int extra = std::max(1, static_cast<int>(std::lround(text.size() * 0.4)) - 1);
        return shown + " " + QString(extra, u'~');
    }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QLatin1String(context) == "tabderiv" ? lengthened(QString::fromUtf8(source))
                                                    : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(Translation, ShowsLongCaptionsWholeInTheFixedButtons)
{
    // Every language the program speaks, and the pseudo-language, in the window's font and in
    // those a desktop shows its script in: DejaVu Sans, fontconfig's choice for Latin, Cyrillic
    // and Arabic, and Noto Sans CJK (fonts-noto-cjk), and where installed Verdana and Noto; at
    // the screen's resolution (96 DPI, and 192 in the test of that name).
    const std::map<QLocale::Script, std::vector<QString>> scriptFonts {
        {QLocale::LatinScript, {"DejaVu Sans", "Verdana", "Noto Sans"}},
        {QLocale::CyrillicScript, {"DejaVu Sans", "Noto Sans"}},
        {QLocale::JapaneseScript, {"Noto Sans CJK JP"}},
        {QLocale::SimplifiedHanScript, {"Noto Sans CJK SC"}},
        {QLocale::ArabicScript, {"DejaVu Sans", "Noto Sans Arabic", "Noto Naskh Arabic"}},
    };
    const QStringList required {"DejaVu Sans", "Noto Sans CJK JP", "Noto Sans CJK SC"};
    QStringList languages {"pseudo"};
    for (const QString &file : QDir(":/translations").entryList())
        languages.append(file.mid(9).chopped(3)); // tabderiv_pt_BR.qm
    EXPECT_GE(languages.size(), 12);
    for (const QString &language : languages) {
        Pseudo pseudo;
        std::optional<Language> translated;
        if (language == "pseudo")
            QCoreApplication::installTranslator(&pseudo);
        else
            translated.emplace(QLocale(language), language);
        const QLocale::Script script =
            language == "pseudo" ? QLocale::LatinScript : QLocale(language).script();
        ASSERT_TRUE(scriptFonts.count(script)) << language.toStdString() << ": which fonts?";
        const std::vector<QString> &families = scriptFonts.at(script);
        std::vector<QFont> fonts {layout::font()};
        for (const QString &family : families) {
            if (QFontDatabase::hasFamily(family))
                fonts.emplace_back(family, 12);
            else if (required.contains(family))
                ADD_FAILURE() << family.toStdString() << " is not installed (debian/control)";
        }
        for (const QFont &font : fonts) {
            for (const char *english : {texts::calculate, texts::quit}) {
                QWidget window;
                window.setFont(font);
                const QString caption = translation::text(english);
                QPushButton button(caption, &window);
                button.setGeometry(layout::geometry("cmdcalculate", window.logicalDpiX()));
                layout::fitCaption(&button);
                const QString shown = button.text();
                SCOPED_TRACE(language.toStdString() + ", " + font.family().toStdString() + ": " +
                             shown.toStdString());
                if (language != "pseudo") {
                    EXPECT_NE(caption, english) << "not translated";
                }
                // Whole: the same words, only broken onto lines; and inside the button.
                EXPECT_EQ(QString(shown).replace('\n', ' '), caption);
                const QFontMetrics metrics(button.font());
                const QStringList lines = shown.split('\n');
                for (const QString &line : lines)
                    EXPECT_LT(metrics.horizontalAdvance(line), button.width() - 4);
                EXPECT_LE(lines.size() * metrics.lineSpacing(), button.height());
                EXPECT_GE(button.font().pointSize(), layout::smallestPointSize);
            }
        }
        QCoreApplication::removeTranslator(&pseudo);
    }

    // Too long for one line even small: broken at the blank nearest the middle; with no blank,
    // cut with "…" and whole in the tooltip.
    const struct
    {
        QString caption;
        QString shown;
        QString tooltip;
    } captions[] = {
        {"Calcul des dérivées", "Calcul des\ndérivées", ""},
        {"Ableitungsberechnungsprogramm", "…", "Ableitungsberechnungsprogramm"},
    };
    for (const auto &[caption, shown, tooltip] : captions) {
        QWidget window;
        window.setFont(layout::font());
        QPushButton button(caption, &window);
        button.setGeometry(layout::geometry("cmdcalculate", 96));
        layout::fitCaption(&button);
        if (shown == "…")
            EXPECT_TRUE(button.text().endsWith(shown)) << button.text().toStdString();
        else
            EXPECT_EQ(button.text(), shown);
        EXPECT_EQ(button.toolTip(), tooltip);
    }
    // In English the caption is shown as it is, in the window's font.
    Form1 form;
    EXPECT_EQ(form.cmdcalculate->text(), "Calculate");
    EXPECT_EQ(form.cmdcalculate->font().pointSize(), 12);
}

} // namespace
