#include "support/fakes.h"
#include "support/tables.h"
#include "ui/abscissabox.h"
#include "ui/announcer.h"
#include "ui/argumentlabel.h"
#include "ui/form1.h"
#include "ui/outputfield.h"
#include "ui/qtfiledialog.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using testing::AllOf;
using testing::HasSubstr;

struct Report
{
    QMessageBox::Icon icon;
    QString text;
};

// A window whose file dialog answers from a script and whose message boxes are recorded.
struct ScriptedWindow
{
    explicit ScriptedWindow(std::vector<std::optional<std::string>> answers)
    {
        auto scripted = std::make_unique<ScriptedDialog>(std::move(answers));
        dialog = scripted.get();
        form = std::make_unique<Form1>(std::move(scripted));
        form->setReport([this](QMessageBox::Icon icon, const QString &text) {
            reports.push_back({icon, text});
        });
    }

    std::unique_ptr<Form1> form;
    ScriptedDialog *dialog = nullptr;
    std::vector<Report> reports;
};

TEST(Form1, LaysOutItsControlsInTwipsAtNinetySixDotsPerInch)
{
    Form1 form;
    ASSERT_EQ(form.logicalDpiX(), 96) << "the pixels below assume 96 DPI";
    // twips * 96 / 1440, rounded; right to left, mirrored in the 200 pixels of the window, the
    // labels 6 pixels (90 twips, a blank) further off their fields, the box on the blanks of
    // Label1 where it was
    const struct
    {
        const char *name;
        QRect geometry;
        QRect mirrored;
        QString text;
    } controls[] = {
        {"cmdcalculate", {0, 0, 89, 41}, {111, 0, 89, 41}, "Calculate"},
        {"cmdquit", {96, 0, 89, 41}, {15, 0, 89, 41}, "Quit"},
        {"Label1", {8, 52, 105, 17}, {93, 52, 105, 17}, "y'(         ) = "},
        {"txtx", {29, 48, 52, 26}, {114, 48, 52, 26}, "2.2"},
        {"lbloutputyprime", {112, 48, 81, 25}, {7, 48, 81, 25}, ""},
        {"lbloutputy", {112, 88, 81, 25}, {7, 88, 81, 25}, ""},
        {"Label2", {56, 88, 53, 17}, {97, 88, 53, 17}, "y(x) = "},
    };
    for (const auto &[name, geometry, mirrored, text] : controls) {
        const auto *control = form.findChild<QWidget *>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->geometry(), geometry) << name;
        const QString shown = control->property("text").toString();
        EXPECT_EQ(shown, text) << name;
        EXPECT_EQ(control->font().pointSize(), 12);
    }
    EXPECT_EQ(form.windowTitle(), "Form1");
    EXPECT_EQ(form.size(), QSize(200, 124));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()); // the window keeps its size
    // The window's icon in the sizes a title bar and a window switcher show, and no larger.
    EXPECT_EQ(form.windowIcon().availableSizes(),
              (QList<QSize> {{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    form.setWindowState(Qt::WindowMaximized); // as a title bar's maximise button asks
    EXPECT_FALSE(form.isMaximized());
    // The text box lies on top of the blanks of Label1.
    EXPECT_EQ(form.childAt(50, 60), form.txtx);

    // In a language written right to left (Arabic) the window reads from the right; the formula,
    // the box and the values read left to right all the same.
    const QImage formula = form.Label1->grab().toImage();
    QApplication::setLayoutDirection(Qt::RightToLeft);
    Form1 mirrored;
    for (const auto &[name, geometry, place, text] : controls) {
        const auto *control = mirrored.findChild<QWidget *>(name);
        EXPECT_EQ(control->geometry(), place) << name;
        EXPECT_EQ(control->layoutDirection(),
                  control->inherits("QPushButton") ? Qt::RightToLeft : Qt::LeftToRight)
            << name;
    }
    EXPECT_EQ(mirrored.size(), QSize(200, 124));
    EXPECT_EQ(mirrored.childAt(150, 60), mirrored.txtx);
    EXPECT_EQ(ArgumentLabel::closingLeft(mirrored.Label1->geometry(), mirrored.txtx->geometry()),
              ArgumentLabel::closingLeft(form.Label1->geometry(), form.txtx->geometry()));
    // The formula is drawn as left to right, "y'(" left of the box and ") = " right of it.
    EXPECT_EQ(mirrored.Label1->grab().toImage(), formula);
    // The box's menu reads right to left, as the window does.
    mirrored.show();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {5, 5},
                              mirrored.txtx->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(mirrored.txtx, &menuKey);
    auto *menu = mirrored.txtx->findChild<QMenu *>();
    EXPECT_EQ(menu ? menu->layoutDirection() : Qt::LayoutDirectionAuto, Qt::RightToLeft);
    if (menu)
        menu->close();
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

TEST(Form1, TabsThroughButtonsTextBoxAndOutputFieldsStartingOnCalculate)
{
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.cmdcalculate);
    std::vector<QWidget *> chain;
    for (int i = 0; i < 5; ++i) {
        chain.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(chain,
              (std::vector<QWidget *> {form.cmdcalculate, form.cmdquit, form.txtx,
                                       form.lbloutputyprime, form.lbloutputy}));
    EXPECT_EQ(QApplication::focusWidget(), form.cmdcalculate);
}

TEST(Form1, GivesScreenReadersAWindowAWholeLineAndANotificationOfEachResult)
{
    Files files;
    ScriptedWindow window({files.write("samples.txt", squares), files.path("result.txt")});
    Form1 &form = *window.form;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&form)->role(), QAccessible::Window);
    // The box's text is one run of attributes, so a reader speaks it whole.
    QAccessibleTextInterface *box =
        QAccessible::queryAccessibleInterface(form.txtx)->textInterface();
    ASSERT_NE(box, nullptr);
    int start = -1, end = -1;
    box->attributes(1, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 3));
    EXPECT_EQ(box->text(0, box->characterCount()), "2.2");

    auto *announcer = form.findChild<QLabel *>("announcer");
    ASSERT_NE(announcer, nullptr);
    QAccessibleInterface *notification = QAccessible::queryAccessibleInterface(announcer);
    EXPECT_EQ(notification->role(), QAccessible::Notification);
    // Told once the window is active, not while a dialog closes.
    form.txtx->setText("2.5");
    form.cmdcalculate->click();
    EXPECT_EQ(announcer->text().toStdString(), "");
    form.show();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return notification->text(QAccessible::Name) ==
            "At x = 2.5: derivative 5.0000, value 6.2500";
    }));
    EXPECT_EQ(announcer->size(), QSize(0, 0));
}

TEST(Form1, NeverTellsTheResultsOfACalculationThatAnotherHasReplaced)
{
    // No window manager activates the window: the results are told on the later path.
    Files files;
    const std::string samples = files.write("samples.txt", squares);
    ScriptedWindow window({samples, files.path("a.txt"), samples, files.path("b.txt")});
    Form1 &form = *window.form;
    auto *announcer = form.findChild<QLabel *>("announcer");
    form.txtx->setText("2.5");
    form.cmdcalculate->click();
    form.txtx->setText("12");
    form.cmdcalculate->click();
    ASSERT_EQ(window.reports.size(), 1U); // no value at 12
    QTest::qWait(2500);
    EXPECT_EQ(announcer->text().toStdString(), "");
}

TEST(Form1, TellsTheResultsOnlyAfterANoteBoxIsClosed)
{
    // The note about "2.5x" stays open four times as long as a result ever waits; a reader
    // must not speak over it, and must speak once it is closed. No window manager here.
    Files files;
    ScriptedWindow window({files.write("samples.txt", squares), files.path("result.txt")});
    Form1 &form = *window.form;
    auto *announcer = form.findChild<QLabel *>("announcer");
    QString toldWhileOpen = "(the box was not shown)";
    form.setReport([&](QMessageBox::Icon icon, const QString &text) {
        QMessageBox box(icon, "Form1", text, QMessageBox::Ok, &form);
        QTimer::singleShot(8 * Announcer::delay, &box, [&] {
            toldWhileOpen = announcer->text();
            box.accept();
        });
        box.exec();
    });
    form.txtx->setText("2.5x");
    form.cmdcalculate->click();
    EXPECT_EQ(toldWhileOpen.toStdString(), "");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return announcer->text() == "At x = 2.5: derivative 5.0000, value 6.2500"; },
        8 * Announcer::delay));
}

TEST(Form1, NamesEveryControlForScreenReadersAndInTooltips)
{
    Form1 form;
    EXPECT_EQ(form.cmdcalculate->accessibleName(), "Calculate");
    EXPECT_EQ(form.cmdquit->accessibleName(), "Quit");
    EXPECT_EQ(form.txtx->accessibleName(), "Abscissa x");
    EXPECT_EQ(form.Label1->accessibleName(), "");
    EXPECT_EQ(form.Label1->text(), "y'(         ) = "); // read out as it stands
    const struct
    {
        const QWidget *control;
        QString description;
    } described[] = {
        {form.txtx, "The abscissa x at which y′ and y are shown"},
        {form.lbloutputyprime, "Derivative y′ at x"},
        {form.lbloutputy, "Value y at x"},
    };
    for (const auto &[control, description] : described) {
        EXPECT_EQ(control->accessibleDescription(), description);
        EXPECT_EQ(control->toolTip(), description);
    }
    // The output fields are read-only text whose value is the value they show.
    EXPECT_EQ(form.lbloutputyprime->accessibleName(), "Derivative y′");
    EXPECT_EQ(form.lbloutputy->accessibleName(), "Value y");
    form.showDerivativeText("4.4000");
    QAccessibleInterface *field = QAccessible::queryAccessibleInterface(form.lbloutputyprime);
    EXPECT_EQ(field->text(QAccessible::Value), "4.4000");
    EXPECT_TRUE(field->state().readOnly);
    EXPECT_EQ(field->textInterface()->text(0, 6), "4.4000");
}

TEST(Form1, ShowsTheResultsOfACalculation)
{
    Files files;
    ScriptedWindow window({files.write("samples.txt", squares), files.path("result.txt")});
    window.form->txtx->setText("2.5");
    QTest::mouseClick(window.form->cmdcalculate, Qt::LeftButton);
    EXPECT_EQ(window.form->lbloutputyprime->text(), "5.0000");
    EXPECT_EQ(window.form->lbloutputy->text(), "6.2500");
    EXPECT_TRUE(window.reports.empty());
    EXPECT_EQ(Files::read(files.path("result.txt")).substr(0, 6), "0 0 0\n");
}

TEST(Form1, ReportsAnErrorAndStaysOpenForTheNextCalculation)
{
    Files files;
    const std::string bad = files.write("bad.txt", "x,y\n" + squares);
    const std::string good = files.write("good.txt", squares);
    ScriptedWindow window({bad, good, files.path("result.txt")});
    window.form->show();
    window.form->cmdcalculate->click();
    ASSERT_EQ(window.reports.size(), 1u);
    EXPECT_EQ(window.reports[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(window.reports[0].text.contains("\"bad.txt\", line 1"))
        << window.reports[0].text.toStdString();
    EXPECT_TRUE(window.form->isVisible());

    window.form->txtx->setText("3");
    window.form->cmdcalculate->click();
    EXPECT_EQ(window.reports.size(), 1u);
    EXPECT_EQ(window.form->lbloutputy->text(), "9.0000");
}

TEST(Form1, ClearsTheFieldsAndSaysSoWhenNoValueLiesAtTheAbscissa)
{
    Files files;
    const std::string samples = files.write("samples.txt", squares);
    const std::string result = files.path("result.txt");
    ScriptedWindow window({samples, result, samples, result});
    window.form->txtx->setText("2");
    window.form->cmdcalculate->click();
    EXPECT_EQ(window.form->lbloutputy->text(), "4.0000");

    window.form->txtx->setText("12x");
    window.form->cmdcalculate->click();
    EXPECT_EQ(window.form->lbloutputyprime->text(), "");
    EXPECT_EQ(window.form->lbloutputy->text(), "");
    // One box says both how the abscissa was read and that nothing lies there.
    ASSERT_EQ(window.reports.size(), 1u);
    EXPECT_EQ(window.reports[0].icon, QMessageBox::Information);
    EXPECT_THAT(window.reports[0].text.toStdString(),
                AllOf(HasSubstr("\"12x\" was read as 12: the rest, \"x\""),
                      HasSubstr("No value at x = 12:")));
}

TEST(Form1, SaysHowABoxThatHoldsNoSingleNumberWasReadAfterShowingTheValues)
{
    Files files;
    const std::string samples = files.write("samples.txt", squares);
    ScriptedWindow window({samples, files.path("result.txt")});
    window.form->txtx->setText("abc");
    window.form->setReport([&](QMessageBox::Icon icon, const QString &text) {
        EXPECT_EQ(window.form->lbloutputy->text(), "0.0000"); // shown before the box
        window.reports.push_back({icon, text});
    });
    window.form->cmdcalculate->click();
    ASSERT_EQ(window.reports.size(), 1u);
    EXPECT_EQ(window.reports[0].icon, QMessageBox::Information);
    EXPECT_EQ(window.reports[0].text, "The box holds no number (\"abc\"), so x was read as 0.");
}

TEST(Form1, DimsValuesFoundAtAnotherAbscissaThanTheBoxReads)
{
    Files files;
    const std::string samples = files.write("samples.txt", squares);
    ScriptedWindow window({samples, files.path("result.txt"), std::nullopt});
    Form1 &form = *window.form;
    form.txtx->setText("2.5");
    form.cmdcalculate->click();
    const QColor normal = form.lbloutputy->palette().color(QPalette::Active, QPalette::Text);
    const QColor disabled = form.lbloutputy->palette().color(QPalette::Disabled, QPalette::Text);
    ASSERT_NE(normal, disabled);
    // Typing another abscissa, and cancelling the next calculation, leaves the values dimmed
    // and named by their abscissa; the box reading 2.5 again, in any spelling, undims them.
    const struct
    {
        QString typed;
        bool dimmed;
    } steps[] = {{"3", true}, {"", true}, {"2.50", false}, {"2.5abc", false}, {"1e999", true}};
    for (const auto &[typed, dimmed] : steps) {
        form.txtx->setText(typed);
        form.cmdcalculate->click();
        for (const OutputField *field : {form.lbloutputyprime, form.lbloutputy}) {
            EXPECT_EQ(field->palette().color(QPalette::Active, QPalette::Text),
                      dimmed ? disabled : normal)
                << typed.toStdString();
            EXPECT_EQ(field->accessibleDescription().endsWith(" at x = 2.5"), dimmed);
        }
    }
    EXPECT_EQ(form.lbloutputy->toolTip(), "Value y at x = 2.5: 6.2500");
    EXPECT_EQ(form.lbloutputy->text(), "6.2500");
}

TEST(Form1, EndsQuietlyWhenTheOpenChoiceIsCancelled)
{
    ScriptedWindow window({std::nullopt});
    window.form->cmdcalculate->click();
    EXPECT_TRUE(window.reports.empty());
    EXPECT_EQ(window.dialog->shown, std::vector<std::string> {"open"});
}

TEST(Form1, CalculatesOnEnterInTheBoxTypedAsPeopleDo)
{
    // Tab into the box, which selects its "2.2", type over it and press Enter: Return, or
    // the keypad's Enter.
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        Files files;
        ScriptedWindow window({files.write("samples.txt", squares), files.path("result.txt")});
        window.form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.form.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), window.form->txtx);
        QTest::keyClicks(window.form->txtx, "2.5");
        const Qt::KeyboardModifiers keypad =
            enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(window.form->txtx, enter, keypad);
        EXPECT_EQ(window.form->txtx->text(), "2.5");
        EXPECT_EQ(window.form->lbloutputyprime->text(), "5.0000");
        EXPECT_EQ(window.form->lbloutputy->text(), "6.2500");
        // The focus is back in the box, its text selected: the next abscissa replaces it.
        EXPECT_EQ(QApplication::focusWidget(), window.form->txtx);
        EXPECT_EQ(window.form->txtx->selectedText(), "2.5");
        // Left, the box shows its text from the start.
        QTest::keyClick(window.form->txtx, Qt::Key_Tab);
        EXPECT_EQ(window.form->txtx->cursorPosition(), 0);
    }
}

TEST(Form1, PressesAFocusedButtonOnEnter)
{
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        ScriptedWindow window({std::nullopt});
        window.form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.form.get()));
        ASSERT_EQ(QApplication::focusWidget(), window.form->cmdcalculate);
        QTest::keyClick(window.form->cmdcalculate, enter);
        EXPECT_EQ(window.dialog->shown, std::vector<std::string> {"open"});
    }
}

// Runs the application's event loop until something quits it; fails after five seconds.
bool quitsWithin5Seconds(const std::function<void()> &action)
{
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::exit(1);
    });
    watchdog.start(5000);
    QTimer::singleShot(0, action);
    return QApplication::exec() == 0 && !timedOut;
}

TEST(Form1, QuitEndsTheProgram)
{
    Form1 form;
    form.show();
    EXPECT_TRUE(quitsWithin5Seconds([&] { form.cmdquit->click(); }));
}

TEST(Form1, CtrlQEndsTheProgram)
{
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(
        quitsWithin5Seconds([&] { QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier); }));
}

// A dialog that presses "Calculate" again while its open choice is shown, as a screen reader
// can while a real dialog is open.
class PressingDialog : public ScriptedDialog
{
public:
    using ScriptedDialog::ScriptedDialog;
    bool ShowOpen() override
    {
        if (form && shown.empty())
            form->cmdcalculate->click();
        return ScriptedDialog::ShowOpen();
    }
    Form1 *form = nullptr;
};

TEST(Form1, IgnoresCalculateWhileACalculationRuns)
{
    Files files;
    auto pressing = std::make_unique<PressingDialog>(std::vector<std::optional<std::string>> {
        files.write("samples.txt", squares), files.path("result.txt"),
        files.write("other.txt", "not a sample file"), files.path("other result.txt")});
    PressingDialog *dialog = pressing.get();
    Form1 form(std::move(pressing));
    dialog->form = &form;
    form.setReport(
        [](QMessageBox::Icon, const QString &text) { ADD_FAILURE() << text.toStdString(); });
    form.cmdcalculate->click();
    EXPECT_EQ(dialog->shown, (std::vector<std::string> {"open", "save"}));
    EXPECT_EQ(form.lbloutputy->text(), "4.8400");
}

TEST(Form1, TakesADecimalCommaWhereTheLocaleWritesOne)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Files files;
    ScriptedWindow window({files.write("samples.txt", squares), files.path("result.txt")});
    window.form->txtx->setText("2,5");
    window.form->cmdcalculate->click();
    QLocale::setDefault(before);
    EXPECT_EQ(window.form->lbloutputyprime->text(), "5,0000");
    EXPECT_EQ(window.form->lbloutputy->text(), "6,2500");
    EXPECT_TRUE(window.reports.empty()); // "2,5" is one number there
    EXPECT_EQ(Files::read(files.path("result.txt")), squaresResult); // no decimals to write
}

TEST(Form1, ShowsMessagesAsPlainTextInABoxNoWiderThanTheScreen)
{
    // A long path wraps after each "/", after an invisible zero-width space. A file's text is
    // shown and heard as the file holds it: drawn as rich text, "<b>1</b>" would be a bold 1,
    // and a screen reader would say "1".
    Files files;
    std::string path = "/tmp";
    while (path.size() < 600)
        path += "/a-rather-long-folder-name";
    const struct
    {
        std::string file;
        testing::Matcher<std::string> heard;
    } cases[] = {
        {path,
         AllOf(HasSubstr("/\u200ba-rather-long-folder-name/\u200ba-rather"),
               testing::EndsWith("\" for reading. No such file or directory."))},
        {files.write("html.txt", "<b>1</b>,0\n"),
         testing::StrEq("\"html.txt\", line 1: \"<b>1</\u200bb>\" is not a number.")},
    };
    for (const auto &[file, heard] : cases) {
        Form1 form(
            std::make_unique<ScriptedDialog>(std::vector<std::optional<std::string>> {file}));
        form.show();
        int boxWidth = -1;
        Qt::TextFormat format = Qt::AutoText;
        std::string text;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxWidth = box->width();
                format = box->textFormat();
                auto *label = box->findChild<QLabel *>("qt_msgbox_label");
                if (QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(label))
                    text = shown->text(QAccessible::Name).toStdString();
                box->accept();
            }
        });
        driver.start(50);
        QTimer::singleShot(10000, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        form.cmdcalculate->click();
        EXPECT_THAT(text, heard);
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_GT(boxWidth, 0);
        EXPECT_LE(boxWidth, form.screen()->availableGeometry().width());
    }
}

// Answers the modal windows that open while an action runs, one step for each window as it is
// shown (a window shown again, or active again after a message box over it, takes the next
// step). Each step gets the window. A watchdog closes whatever is still open after 20 s, so a
// test fails instead of hanging.
class ModalDriver : public QObject
{
public:
    using Step = std::function<void(QWidget *)>;

    explicit ModalDriver(std::vector<Step> steps) : m_steps(std::move(steps))
    {
        QApplication::instance()->installEventFilter(this);
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::tick);
    }

    // Runs the action; returns false when the watchdog had to end it.
    bool run(const std::function<void()> &action)
    {
        bool timedOut = false;
        m_timer.start(50);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [&] {
            timedOut = true;
            while (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        watchdog.start(20000);
        action();
        m_timer.stop();
        return !timedOut;
    }

    std::size_t stepsTaken() const { return m_next; }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Show && object->isWidgetType() &&
            static_cast<QWidget *>(object)->isWindow())
            ++m_shows;
        return false;
    }

private:
    void tick()
    {
        QWidget *modal = QApplication::activeModalWidget();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox *>(w) && w->isVisible())
                modal = w;
        if (!modal || m_next >= m_steps.size() || std::pair {modal, m_shows} == m_last)
            return;
        m_last = {modal, m_shows};
        m_steps[m_next++](modal);
    }

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    int m_shows = 0;
    std::pair<QWidget *, int> m_last {nullptr, -1};
    QTimer m_timer;
};

// What the file-name field of a file dialog showed when it opened, and which part of it was
// selected; then types the text into it as a person would, without clearing it first, and
// presses Enter (from a fresh event: a confirmation runs a nested event loop).
struct Typing
{
    std::string shown;
    std::string selected;
};

ModalDriver::Step typeInto(Typing &seen, const std::string &typed)
{
    return [&seen, typed](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr) << "a file dialog was expected";
        auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit");
        ASSERT_NE(edit, nullptr);
        seen = {edit->text().toStdString(), edit->selectedText().toStdString()};
        QTimer::singleShot(0, edit, [edit, typed] {
            QTest::keyClicks(edit, QString::fromStdString(typed));
            QTest::keyClick(edit, Qt::Key_Return);
        });
    };
}

// Records the message box's text, whether No is its default and whether it is shown as
// something else than plain text, and presses its button.
ModalDriver::Step answer(std::string &text, QMessageBox::StandardButton button)
{
    return [&text, button](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr) << "a message box was expected";
        text = box->text().toStdString();
        if (box->defaultButton() == box->button(QMessageBox::No))
            text += " [No]";
        if (box->textFormat() != Qt::PlainText)
            text += " [not plain text]";
        QTimer::singleShot(0, box->button(button), &QAbstractButton::click);
    };
}

// A window with Qt's own file dialog whose reports are recorded.
struct RealWindow
{
    RealWindow()
    {
        form.setReport([this](QMessageBox::Icon, const QString &text) {
            reports.push_back(text.toStdString());
        });
        form.show();
    }
    Form1 form;
    std::vector<std::string> reports;
};

TEST(Form1, TypesPathsOverTheOfferedNamesInTheRealDialog)
{
    Files files;
    const std::string samples = files.write("samples.txt", squares);
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(files.path("elsewhere"))));
    const std::string result = files.path("elsewhere/result.txt");
    RealWindow window;
    window.form.txtx->setText("3.5");
    Typing open, save;
    ModalDriver driver({typeInto(open, samples), typeInto(save, result)});
    EXPECT_TRUE(driver.run([&] { window.form.cmdcalculate->click(); }));

    EXPECT_EQ(open.shown, ""); // the open choice starts with no name
    // The save choice offers the input file's name, selected, so that typing replaces it.
    EXPECT_EQ(save.shown, "samples.txt");
    EXPECT_EQ(save.selected, "samples.txt");
    EXPECT_EQ(Files::read(result), squaresResult);
    EXPECT_EQ(Files::read(samples), squares);
    EXPECT_EQ(window.form.lbloutputyprime->text(), "7.0000");
    EXPECT_EQ(window.form.lbloutputy->text(), "12.2500");
    EXPECT_TRUE(window.reports.empty());

    // The next open choice offers the result file's name, selected likewise.
    Typing again;
    ModalDriver second({typeInto(again, samples), [](QWidget *modal) {
                            modal->close();
                        }});
    EXPECT_TRUE(second.run([&] { window.form.cmdcalculate->click(); }));
    EXPECT_EQ(again.shown, "result.txt");
    EXPECT_EQ(again.selected, "result.txt");
}

TEST(Form1, AsksBeforeReplacingWhenEnterAcceptsTheOfferedName)
{
    Files files;
    const std::string samples = files.write("samples.txt", squares);
    RealWindow window;
    Typing open, save;
    std::string confirmation;
    // Enter alone in the save choice takes the input file's name: the question says that it
    // is the sample file, No (the default) keeps it, and Escape then cancels the calculation.
    ModalDriver driver({typeInto(open, samples), typeInto(save, ""),
                        answer(confirmation, QMessageBox::No), [](QWidget *modal) {
                            QTest::keyClick(modal, Qt::Key_Escape);
                        }});
    EXPECT_TRUE(driver.run([&] { window.form.cmdcalculate->click(); }));
    EXPECT_EQ(driver.stepsTaken(), 4u);
    EXPECT_EQ(confirmation,
              "\"samples.txt\" is the sample file just read. Replace its samples "
              "with the results? [No]");
    EXPECT_EQ(Files::read(samples), squares);
    EXPECT_TRUE(window.reports.empty());
    EXPECT_EQ(window.form.lbloutputy->text(), "");
}

TEST(Form1, ReplacesAFileOnlyWhenTheUserConfirms)
{
    Files files;
    const std::string samples = files.write("samples.txt", squares);
    const std::string result = files.write("result.txt", "old\n");
    RealWindow window;
    window.form.txtx->setText("3.5");
    Typing open, save;
    std::string confirmation;
    ModalDriver driver(
        {typeInto(open, samples), typeInto(save, result), answer(confirmation, QMessageBox::Yes)});
    EXPECT_TRUE(driver.run([&] { window.form.cmdcalculate->click(); }));
    EXPECT_EQ(confirmation, "result.txt already exists.\nDo you want to replace it? [No]");
    EXPECT_EQ(Files::read(result), squaresResult);
    EXPECT_EQ(window.form.lbloutputy->text(), "12.2500");
}

TEST(Form1, RefusesADeviceAsResultFileWithoutAskingFirst)
{
    Files files;
    const std::string samples = files.write("samples.txt", squares);
    RealWindow window;
    Typing open, save;
    // No third step: no question comes between the save choice and the refusal.
    ModalDriver driver({typeInto(open, samples), typeInto(save, "/dev/null")});
    EXPECT_TRUE(driver.run([&] { window.form.cmdcalculate->click(); }));
    EXPECT_EQ(driver.stepsTaken(), 2u);
    ASSERT_EQ(window.reports.size(), 1u);
    EXPECT_EQ(window.reports[0], "Cannot write \"/dev/null\": it is not a regular file.");
}

} // namespace

namespace {

TEST(ReplaceQuestion, NamesTheSampleFileUnderAnyPath)
{
    Files files;
    const QString samples = QString::fromStdString(files.write("samples.txt", squares));
    const QString other = QString::fromStdString(files.write("other.txt", squares));
    const QString link = QString::fromStdString(files.path("link.txt"));
    ASSERT_TRUE(QFile::link(samples, link));
    const QString hard = QString::fromStdString(files.path("hard.txt"));
    ASSERT_EQ(::link(qPrintable(samples), qPrintable(hard)), 0);
    const QString reversing = QString::fromStdString(files.write("\u202etxt.exe", squares));
    const QString sampleQuestion =
        "\"%1\" is the sample file just read. Replace its samples with the results?";
    const struct
    {
        QString target;
        QString sampleFile;
        QString question;
    } cases[] = {
        {samples, samples, sampleQuestion.arg("samples.txt")},
        {QString::fromStdString(files.folder()) + "/./samples.txt", samples,
         sampleQuestion.arg("samples.txt")},
        {link, samples, sampleQuestion.arg("link.txt")},
        // a second name: saving replaces that name, and the sample file keeps its samples
        {hard, samples,
         "\"hard.txt\" and the sample file \"samples.txt\" just read are one file under two "
         "names. Replace \"hard.txt\" with the results? \"samples.txt\" keeps its samples."},
        // a copy is another file
        {other, samples, "other.txt already exists.\nDo you want to replace it?"},
        {samples, "", "samples.txt already exists.\nDo you want to replace it?"},
        // a name that would reorder the question is written out as messages write it
        {reversing, reversing, sampleQuestion.arg("\\u202Etxt.exe")},
        {reversing, "", "\\u202Etxt.exe already exists.\nDo you want to replace it?"},
    };
    for (const auto &[target, sampleFile, question] : cases)
        EXPECT_EQ(replaceQuestion(target, sampleFile), question) << target.toStdString();
}

} // namespace

TEST(AbscissaBox, EditsTheSelectionFromItsContextMenu)
{
    // The menu takes the focus from the box while it is open; Cut, Copy and Paste must still
    // work on what was selected.
    const struct
    {
        const char *action;
        QString clipboardBefore;
        QString box;
        QString clipboardAfter;
    } rows[] = {
        {"Paste", "3.5", "3.5", "3.5"},
        {"Cut", "", "", "2.2"},
        {"Copy", "", "2.2", "2.2"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.action);
        Form1 form;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.txtx->setFocus();
        form.txtx->selectAll();
        QApplication::clipboard()->setText(row.clipboardBefore);
        bool triggered = false;
        QTimer::singleShot(100, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (QAction *action : menu ? menu->actions() : QList<QAction *> {}) {
                if (action->text().section('\t', 0, 0).remove('&') == row.action) {
                    triggered = true;
                    action->trigger();
                }
            }
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
        });
        QContextMenuEvent request(QContextMenuEvent::Mouse, form.txtx->rect().center(),
                                  form.txtx->mapToGlobal(form.txtx->rect().center()));
        QApplication::sendEvent(form.txtx, &request); // the menu pops up and returns
        EXPECT_TRUE(QTest::qWaitFor([&] { return triggered; }, 2000));
        EXPECT_EQ(form.txtx->text(), row.box);
        EXPECT_EQ(QApplication::clipboard()->text(), row.clipboardAfter);
    }
}

TEST(AbscissaBox, ShowsTheStartOfItsTextOnlyWhenTheFocusMovesOn)
{
    const struct
    {
        Qt::FocusReason reason;
        int cursor;
        QString selected;
    } rows[] = {
        {Qt::TabFocusReason, 0, ""},
        {Qt::MouseFocusReason, 0, ""},
        {Qt::PopupFocusReason, 7, "0001"}, // its own context menu
        {Qt::ActiveWindowFocusReason, 7, "0001"}, // another window, and back
    };
    for (const auto &[reason, cursor, selected] : rows) {
        SCOPED_TRACE(reason);
        AbscissaBox box("-0.0001");
        box.setSelection(3, 4);
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(&box, &out);
        EXPECT_EQ(box.cursorPosition(), cursor);
        EXPECT_EQ(box.selectedText(), selected);
    }
}
