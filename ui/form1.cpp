#include "form1.h"

#include "abscissabox.h"
#include "announcer.h"
#include "argumentlabel.h"
#include "calc/command.h"
#include "calc/results.h"
#include "layout.h"
#include "messagebox.h"
#include "outputfield.h"
#include "platform/catalogue.h"
#include "platform/error.h"
#include "platform/locale.h"
#include "platform/numbers.h"
#include "qtfiledialog.h"
#include "translation.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>

namespace {

// The control in its place.
template<typename Control, typename... Arguments>
Control *place(QWidget *window, const char *name, const Arguments &...arguments)
{
    auto *control = new Control(arguments..., window);
    control->setObjectName(name);
    control->setGeometry(layout::geometry(name, window->logicalDpiX(), window->layoutDirection()));
    return control;
}

} // namespace

// The controls are created in tab order; txtx comes after Label1 and so lies on top of the
// blanks of its text, where it reads as the argument of y'.
Form1::Form1(std::unique_ptr<platform::FileDialog> dialog)
    : cmdcalculate(place<QPushButton>(this, "cmdcalculate", translation::text(texts::calculate))),
      cmdquit(place<QPushButton>(this, "cmdquit", translation::text(texts::quit))),
      Label1(place<ArgumentLabel>(this, "Label1", QStringLiteral("y'(         ) = "))),
      txtx(place<AbscissaBox>(this, "txtx", QStringLiteral("2.2"))),
      lbloutputyprime(
          place<OutputField>(this, "lbloutputyprime",
                             OutputField::Texts {translation::text(texts::derivativeName),
                                                 translation::text(texts::derivativeDescription),
                                                 translation::text(texts::derivativeAt)})),
      lbloutputy(place<OutputField>(this, "lbloutputy",
                                    OutputField::Texts {translation::text(texts::valueName),
                                                        translation::text(texts::valueDescription),
                                                        translation::text(texts::valueAt)})),
      Label2(place<QLabel>(this, "Label2", QStringLiteral("y(x) = "))),
      m_dialog(dialog ? std::move(dialog) : std::make_unique<QtFileDialog>(this)),
      m_announcer(new Announcer(this))
{
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Form1"));
    m_announcer->setObjectName("announcer");
    // The sizes built into the program, each in its folder ":/icons/16x16".
    QIcon icon;
    for (const QString &size : QDir(QStringLiteral(":/icons")).entryList())
        icon.addFile(QStringLiteral(":/icons/%1/tabderiv.png").arg(size));
    setWindowIcon(icon);
    setFont(layout::font());
    setFixedSize(layout::clientSize(logicalDpiX()));

    cmdcalculate->setAccessibleName(translation::text(texts::calculate));
    cmdquit->setAccessibleName(translation::text(texts::quit));
    layout::fitCaption(cmdcalculate);
    layout::fitCaption(cmdquit);
    txtx->setAccessibleName(translation::text(texts::abscissaName));
    txtx->setAccessibleDescription(translation::text(texts::abscissaDescription));
    txtx->setToolTip(txtx->accessibleDescription());
    Label1->setArgument(txtx);
    // Right to left the controls take mirrored places, but the formula, the box and the values
    // read left to right, as mathematics writes them: "y'(2.5) = " and "-0.5000" stay whole.
    // Their menus, which would take their direction, read as the window does.
    for (QWidget *mathematics :
         std::initializer_list<QWidget *> {Label1, txtx, lbloutputyprime, lbloutputy, Label2}) {
        mathematics->setLayoutDirection(Qt::LeftToRight);
        mathematics->installEventFilter(this);
    }
    setTabOrder(cmdcalculate, cmdquit);
    setTabOrder(cmdquit, txtx);
    setTabOrder(txtx, lbloutputyprime);
    setTabOrder(lbloutputyprime, lbloutputy);
    cmdcalculate->setFocus();
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
    // Results not yet told belong to the last calculation, which this one replaces.
    m_announcer->drop();
    const QPointer<QWidget> focused = QApplication::focusWidget();
    calc::Context context {*m_dialog, *this, platform::localeDecimalPoint()};
    try {
        present(calc::cmdcalculate_Click(context), context.decimalPoint);
    } catch (const platform::Error &e) {
        report(QMessageBox::Warning, translation::message(e.message()));
    } catch (const std::exception &e) {
        report(QMessageBox::Critical,
               translation::message(platform::Message(texts::failedUnexpectedly,
                                                      {platform::Message::Plain {e.what()}})));
    }
    takeKeyboardBack(focused);
}

void Form1::present(const calc::Outcome &outcome, const std::string &point)
{
    calc::showOutcome(*this, outcome, point);
    if (outcome.kind == calc::Outcome::Kind::Shown) {
        m_valuesAt = outcome.xval;
        m_valuesAtText = QString::fromStdString(platform::formatFree(outcome.xval, point));
        using Plain = platform::Message::Plain;
        m_announcer->hold(
            translation::message(platform::Message(texts::announcement,
                                                   {platform::Message::Number {outcome.xval},
                                                    Plain {lbloutputyprime->value().toStdString()},
                                                    Plain {lbloutputy->value().toStdString()}})));
    } else if (outcome.kind == calc::Outcome::Kind::NoValue) {
        m_valuesAt.reset();
    }
    markOtherAbscissa();
    platform::Message note = outcome.abscissaNote;
    note.then(outcome.message);
    if (!note.empty())
        report(QMessageBox::Information, translation::message(note));
}

void Form1::takeKeyboardBack(const QPointer<QWidget> &focused)
{
    // A calculation started from the box leaves its text selected, so that typing replaces it.
    activateWindow();
    if (focused && focused->window() == this) {
        focused->setFocus(Qt::OtherFocusReason);
        if (focused == txtx)
            txtx->selectAll();
    }
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildPolished) {
        if (auto *menu = qobject_cast<QMenu *>(static_cast<QChildEvent *>(event)->child()))
            menu->setLayoutDirection(layoutDirection());
    }
    return QWidget::eventFilter(watched, event);
}

bool Form1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_announcer->windowActivated();
    return QWidget::event(event);
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The window cannot grow. A title bar that offers maximise all the same (Qt's own, on
    // Wayland, in Qt 6.4 and 6.8) would fill the screen with the controls in its corner and leave
    // the window marked maximised: it stays as it is.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
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

void Form1::cmdquit_Click()
{
    QApplication::quit();
}

void Form1::report(QMessageBox::Icon icon, const QString &text)
{
    if (m_report)
        m_report(icon, text);
    else
        showMessage(this, icon, text);
}
