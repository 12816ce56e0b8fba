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
#include <QFontDatabase>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <cmath>
#include <gtest/gtest.h>

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
    Pseudo pseudo;
    QCoreApplication::installTranslator(&pseudo);
    std::vector<QFont> fonts {layout::font()};
    for (const QString family : {"Verdana", "DejaVu Sans"})
        if (QFontDatabase::hasFamily(family))
            fonts.emplace_back(family, 12);
    for (const QFont &font : fonts) {
        for (const char *english : {"Calculate", "Quit"}) {
            QWidget window;
            window.setFont(font);
            QPushButton button(Pseudo::lengthened(english), &window);
            button.setGeometry(layout::geometry("cmdcalculate", 96));
            layout::fitCaption(&button);
            const QString shown = button.text();
            SCOPED_TRACE(font.family().toStdString() + ": " + shown.toStdString());
            // Whole: the same words, only broken onto lines; and inside the button.
            EXPECT_EQ(QString(shown).replace('\n', ' '), Pseudo::lengthened(english));
            const QFontMetrics metrics(button.font());
            const QStringList lines = shown.split('\n');
            for (const QString &line : lines)
                EXPECT_LT(metrics.horizontalAdvance(line), button.width() - 4);
            EXPECT_LE(lines.size() * metrics.lineSpacing(), button.height());
            EXPECT_GE(button.font().pointSize(), layout::smallestPointSize);
        }
    }
    QCoreApplication::removeTranslator(&pseudo);

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
