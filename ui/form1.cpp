#include "form1.h"

#include "accessibility.h"
#include "calc/command.h"
#include "calc/results.h"
#include "fields.h"
#include "layout.h"
#include "platform/error.h"
#include "platform/locale.h"
#include "platform/numbers.h"
#include "qtfiledialog.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <utility>

namespace {

template<typename Control> Control *place(QWidget *window, const char *name, const QString &text)
{
    // Qt keeps the accessible interface it first makes for a control: the window's own are
    // installed before the first control is made.
    accessibility::install();
    auto *control = new Control(text, window);
    control->setObjectName(name);
    control->setGeometry(layout::geometry(name, window->logicalDpiX()));
    return control;
}

// An output field in its place.
OutputField *outputField(QWidget *window, const char *name, const QString &accessibleName,
                         const QString &description)
{
    accessibility::install();
    auto *field = new OutputField(accessibleName, description, window);
    field->setObjectName(name);
    field->setGeometry(layout::geometry(name, window->logicalDpiX()));
    return field;
}

// How long after the window is active again a screen reader is told the results, in ms.
constexpr int announceDelay = 500;

// A message for a message box: a path may wrap after any "/", so that a long one never
// widens the box past the screen.
QString wrappable(const QString &text)
{
    QString wrapped = text;
    return wrapped.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
}

} // namespace

// The controls are created in tab order; txtx comes after Label1 and so lies on top of the
// blanks of its text, where it reads as the argument of y'.
Form1::Form1(std::unique_ptr<platform::FileDialog> dialog)
    : cmdcalculate(place<QPushButton>(this, "cmdcalculate", QStringLiteral("Calculate"))),
      cmdquit(place<QPushButton>(this, "cmdquit", QStringLiteral("Quit"))),
      Label1(place<ArgumentLabel>(this, "Label1", QStringLiteral("y'(         ) = "))),
      txtx(place<QLineEdit>(this, "txtx", QStringLiteral("2.2"))),
      lbloutputyprime(outputField(this, "lbloutputyprime", QStringLiteral("Derivative y′"),
                                  QStringLiteral("Derivative y′ at x"))),
      lbloutputy(outputField(this, "lbloutputy", QStringLiteral("Value y"),
                             QStringLiteral("Value y at x"))),
      Label2(place<QLabel>(this, "Label2", QStringLiteral("y(x) = "))),
      m_dialog(dialog ? std::move(dialog) : std::make_unique<QtFileDialog>(this)),
      m_announcer(new Announcer(this))
{
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Form1"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/tabderiv.png").arg(size));
    setWindowIcon(icon);
    setFont(layout::font());
    setFixedSize(layout::clientSize(logicalDpiX()));

    cmdcalculate->setAccessibleName(QStringLiteral("Calculate"));
    cmdquit->setAccessibleName(QStringLiteral("Quit"));
    txtx->setAccessibleName(QStringLiteral("Abscissa x"));
    txtx->setAccessibleDescription(QStringLiteral("The abscissa x at which y′ and y are shown"));
    txtx->setToolTip(txtx->accessibleDescription());
    Label1->setArgument(txtx);
    setTabOrder(cmdcalculate, cmdquit);
    setTabOrder(cmdquit, txtx);
    setTabOrder(txtx, lbloutputyprime);
    setTabOrder(lbloutputyprime, lbloutputy);
    cmdcalculate->setFocus();
    txtx->installEventFilter(this);
    connect(txtx, &QLineEdit::textChanged, this, &Form1::markOtherAbscissa);

    connect(cmdcalculate, &QPushButton::clicked, this, &Form1::cmdcalculate_Click);
    connect(cmdquit, &QPushButton::clicked, this, &Form1::cmdquit_Click);
    // Enter (Return or the keypad's) presses a focused button, and in the box presses
    // "Calculate": a person types the abscissa and presses Enter.
    cmdcalculate->setAutoDefault(true);
    cmdquit->setAutoDefault(true);
    connect(txtx, &QLineEdit::returnPressed, cmdcalculate, &QPushButton::click);
    auto *quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &Form1::cmdquit_Click);
}

Form1::~Form1() = default;

std::string Form1::abscissaText() const
{
    return txtx->text().toStdString();
}

void Form1::showDerivativeText(const std::string &text)
{
    lbloutputyprime->setValue(QString::fromStdString(text));
}

void Form1::showValueText(const std::string &text)
{
    lbloutputy->setValue(QString::fromStdString(text));
}

void Form1::cmdcalculate_Click()
{
    if (m_calculating)
        return;
    const QScopedValueRollback running(m_calculating, true);
    const QPointer<QWidget> focused = QApplication::focusWidget();
    calc::Context context {*m_dialog, *this, platform::localeDecimalPoint()};
    try {
        const calc::Outcome outcome = calc::cmdcalculate_Click(context);
        calc::showOutcome(*this, outcome, context.decimalPoint);
        if (outcome.kind == calc::Outcome::Kind::Shown) {
            m_valuesAt = outcome.xval;
            m_valuesAtText =
                QString::fromStdString(platform::formatFree(outcome.xval, context.decimalPoint));
            m_announcement =
                QStringLiteral("At x = %1: derivative %2, value %3")
                    .arg(m_valuesAtText, lbloutputyprime->value(), lbloutputy->value());
        } else if (outcome.kind == calc::Outcome::Kind::NoValue) {
            m_valuesAt.reset();
        }
        markOtherAbscissa();
        QStringList sentences;
        for (const std::string &sentence : {outcome.abscissaNote, outcome.message})
            if (!sentence.empty())
                sentences << QString::fromStdString(sentence);
        if (!sentences.isEmpty())
            report(QMessageBox::Information, sentences.join(QLatin1Char(' ')));
    } catch (const platform::Error &e) {
        report(QMessageBox::Warning, QString::fromStdString(e.what()));
    } catch (const std::exception &e) {
        report(QMessageBox::Critical,
               QStringLiteral("The calculation failed unexpectedly: %1").arg(e.what()));
    }
    // Dialogs and message boxes are gone: the window takes the keyboard again, where it was.
    // A calculation started from the box leaves its text selected, so that typing replaces it.
    activateWindow();
    if (focused && focused->window() == this) {
        focused->setFocus(Qt::OtherFocusReason);
        if (focused == txtx)
            txtx->selectAll();
    }
    // A screen reader speaks the results only once it has seen the window active again, after
    // the dialogs, and has said where the focus is: said before, they are lost. So they are
    // said a little after the window system activates the window (event()); where it never
    // does, as without a window manager, a little later all the same.
    if (!m_announcement.isEmpty())
        QTimer::singleShot(4 * announceDelay, this, &Form1::announce);
}

void Form1::announce()
{
    if (!m_announcement.isEmpty())
        m_announcer->announce(std::exchange(m_announcement, {}));
}

bool Form1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_announcement.isEmpty())
        QTimer::singleShot(announceDelay, this, &Form1::announce);
    return QWidget::event(event);
}

void Form1::markOtherAbscissa()
{
    bool other = false;
    if (m_valuesAt) {
        try {
            other = platform::val(abscissaText(), platform::localeDecimalPoint()) != *m_valuesAt;
        } catch (const platform::Error &) {
            other = true; // a number too large for a double is no abscissa of these values
        }
    }
    const QString abscissa = other ? m_valuesAtText : QString();
    lbloutputyprime->setOtherAbscissa(abscissa);
    lbloutputy->setOtherAbscissa(abscissa);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // A box that is left shows its text from the start: a long "-0.0001" keeps its sign.
    if (watched == txtx && event->type() == QEvent::FocusOut)
        txtx->setCursorPosition(0);
    return QWidget::eventFilter(watched, event);
}

void Form1::cmdquit_Click()
{
    QApplication::quit();
}

void Form1::report(QMessageBox::Icon icon, const QString &text)
{
    if (m_report) {
        m_report(icon, text);
        return;
    }
    QMessageBox box(icon, windowTitle(), wrappable(text), QMessageBox::Ok, this);
    if (const QScreen *shown = screen())
        box.setMaximumWidth(shown->availableGeometry().width());
    box.exec();
}
