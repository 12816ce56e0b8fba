#pragma once

#include "platform/filedialog.h"
#include "platform/resultdisplay.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace calc {
struct Outcome;
}
class AbscissaBox;
class Announcer;
class ArgumentLabel;
class OutputField;
class QLabel;
class QPushButton;

// The program's window: "Calculate" runs one calculation on a sample file, "Quit" ends the
// program, and the two output fields show y' and y at the abscissa typed in the box. A screen
// reader is told each result as it is shown; fields whose values were found at another abscissa
// than the box now reads are dimmed.
class Form1 : public QWidget, public platform::ResultDisplay
{
    Q_OBJECT

public:
    // Tells the user how a calculation ended when it did not end with values shown, or how the
    // box's text was read when it is not exactly one number.
    using Report = std::function<void(QMessageBox::Icon icon, const QString &text)>;

    // The window with Qt's file dialog, or with the given one (for tests).
    explicit Form1(std::unique_ptr<platform::FileDialog> dialog = nullptr);
    ~Form1() override;

    // Replaces the message boxes that report errors and abscissas without a value.
    void setReport(Report report) { m_report = std::move(report); }

    std::string abscissaText() const override;
    void showDerivativeText(const std::string &text) override;
    void showValueText(const std::string &text) override;

    QPushButton *const cmdcalculate;
    QPushButton *const cmdquit;
    ArgumentLabel *const Label1;
    AbscissaBox *const txtx;
    OutputField *const lbloutputyprime;
    OutputField *const lbloutputy;
    QLabel *const Label2;

public slots:
    // Runs one calculation; an error is reported and the window stays open. A click while a
    // calculation runs (from a screen reader, say, while a file dialog is open) is ignored.
    void cmdcalculate_Click();
    // Ends the program at once.
    void cmdquit_Click();

private:
    // Shows the values or clears the fields, and says what the user should know of it; point
    // is the locale's decimal point.
    void present(const calc::Outcome &outcome, const std::string &point);
    // After the dialogs and message boxes: the window takes the keyboard again, where it was.
    void takeKeyboardBack(const QPointer<QWidget> &focused);
    void report(QMessageBox::Icon icon, const QString &text);
    // Dims the output fields while the box reads another abscissa than their values'.
    void markOtherAbscissa();
    // Gives the menus of the controls that read left to right the window's direction.
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

    std::unique_ptr<platform::FileDialog> m_dialog;
    Announcer *const m_announcer;
    Report m_report;
    bool m_calculating = false;
    // The abscissa of the values the fields show, and as a text in the user's locale.
    std::optional<double> m_valuesAt;
    QString m_valuesAtText;
};
