#include "support/fakes.h"
#include "support/tables.h"
#include "ui/form1.h"
#include "ui/qtfiledialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

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
    // twips * 96 / 1440, rounded
    const struct
    {
        QWidget *control;
        QRect geometry;
        QString text;
    } controls[] = {
        {form.cmdcalculate, {0, 0, 89, 41}, "Calculate"},
        {form.cmdquit, {96, 0, 89, 41}, "Quit"},
        {form.Label1, {8, 52, 105, 17}, "y'(         ) = "},
        {form.txtx, {29, 48, 52, 26}, "2.2"},
        {form.lbloutputyprime, {112, 48, 81, 25}, ""},
        {form.lbloutputy, {112, 88, 81, 25}, ""},
        {form.Label2, {56, 88, 53, 17}, "y(x) = "},
    };
    for (const auto &[control, geometry, text] : controls) {
        EXPECT_EQ(control->geometry(), geometry) << control->objectName().toStdString();
        const QString shown = control->property("text").toString();
        EXPECT_EQ(shown, text) << control->objectName().toStdString();
        EXPECT_EQ(control->font().pointSize(), 12);
    }
    EXPECT_EQ(form.windowTitle(), "Form1");
    EXPECT_EQ(form.size(), QSize(200, 124));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()); // the window keeps its size
    // The text box lies on top of the blanks of Label1.
    EXPECT_EQ(form.childAt(50, 60), form.txtx);
}

TEST(Form1, TabsThroughButtonsAndTextBoxStartingOnCalculate)
{
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.cmdcalculate);
    std::vector<QWidget *> chain;
    for (int i = 0; i < 3; ++i) {
        chain.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(chain, (std::vector<QWidget *> {form.cmdcalculate, form.cmdquit, form.txtx}));
    EXPECT_EQ(QApplication::focusWidget(), form.cmdcalculate);
}

TEST(Form1, NamesEveryControlForScreenReaders)
{
    Form1 form;
    EXPECT_EQ(form.cmdcalculate->accessibleName(), "Calculate");
    EXPECT_EQ(form.cmdquit->accessibleName(), "Quit");
    EXPECT_EQ(form.txtx->accessibleName(), "Abscissa x");
    // The output fields are read out by their text.
    EXPECT_TRUE(form.lbloutputyprime->accessibleName().isEmpty());
    EXPECT_EQ(form.lbloutputyprime->accessibleDescription(), "Derivative y′ at x");
    EXPECT_EQ(form.lbloutputy->accessibleDescription(), "Value y at x");
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

    window.form->txtx->setText("12");
    window.form->cmdcalculate->click();
    EXPECT_EQ(window.form->lbloutputyprime->text(), "");
    EXPECT_EQ(window.form->lbloutputy->text(), "");
    ASSERT_EQ(window.reports.size(), 1u);
    EXPECT_EQ(window.reports[0].icon, QMessageBox::Information);
    EXPECT_TRUE(window.reports[0].text.contains("x = 12")) << window.reports[0].text.toStdString();
}

TEST(Form1, EndsQuietlyWhenTheOpenChoiceIsCancelled)
{
    ScriptedWindow window({std::nullopt});
    window.form->cmdcalculate->click();
    EXPECT_TRUE(window.reports.empty());
    EXPECT_EQ(window.dialog->shown, std::vector<std::string> {"open"});
}

TEST(Form1, QuitEndsTheProgram)
{
    Form1 form;
    form.show();
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::exit(1);
    });
    watchdog.start(5000);
    QTimer::singleShot(0, form.cmdquit, &QPushButton::click);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
}

// Drives Qt's own file dialog as a user would: types the path and presses Enter, and
// answers the replace confirmation. A watchdog rejects whatever is still open after 20 s, so
// the test fails instead of hanging.
TEST(Form1, ChoosesFilesThroughTheRealDialogAndConfirmsReplacing)
{
    Files files;
    const std::string samples = files.write("samples.txt", squares);
    const std::string result = files.write("result.txt", "old\n");
    Form1 form;
    std::vector<Report> reports;
    form.setReport([&](QMessageBox::Icon icon, const QString &text) {
        reports.push_back({icon, text});
    });
    form.txtx->setText("3.5");
    form.show();

    std::vector<std::string> seen; // what each dialog showed when it opened
    std::vector<std::string> answers {samples, result};
    bool timedOut = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox *>(w) && w->isVisible())
                modal = w;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen.push_back("confirm: " + box->text().toStdString());
            QTimer::singleShot(0, box->button(QMessageBox::Yes), &QAbstractButton::click);
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit");
            if (!edit || seen.size() >= 3 || answers.empty())
                return;
            seen.push_back(edit->text().toStdString());
            edit->setText(QString::fromStdString(answers.front()));
            answers.erase(answers.begin());
            // Pressed from a fresh event: the dialog's confirmation runs a nested event loop,
            // in which this timer must go on firing.
            QTimer::singleShot(0, edit, [edit] { QTest::keyClick(edit, Qt::Key_Return); });
        }
    });
    driver.start(50);
    QTimer::singleShot(20000, [&] {
        timedOut = true;
        while (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });

    form.cmdcalculate->click();
    driver.stop();

    EXPECT_FALSE(timedOut);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], ""); // the open choice starts with no name
    EXPECT_EQ(seen[1], "samples.txt"); // the save choice starts on the input file's name
    EXPECT_NE(seen[2].find("result.txt already exists"), std::string::npos) << seen[2];
    EXPECT_EQ(Files::read(result), squaresResult);
    EXPECT_EQ(form.lbloutputyprime->text(), "7.0000");
    EXPECT_EQ(form.lbloutputy->text(), "12.2500");
    EXPECT_TRUE(reports.empty());
}

} // namespace
