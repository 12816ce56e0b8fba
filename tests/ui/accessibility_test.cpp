#include "support/fakes.h"
#include "ui/abscissabox.h"
#include "ui/form1.h"
#include "ui/messagebox.h"
#include "ui/outputfield.h"
#include "ui/qtfiledialog.h"
#include "ui/textboundaries.h"

#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <set>
#include <thread>

namespace {

using Boundary = QAccessible::TextBoundaryType;
using Unit = textboundaries::Unit;

constexpr Boundary allBoundaries[] = {QAccessible::CharBoundary,     QAccessible::WordBoundary,
                                      QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                                      QAccessible::LineBoundary,     QAccessible::NoBoundary};

// Ends the whole test program when a test hangs, rather than letting it wait for ever.
class Watchdog
{
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
                  std::fputs("watchdog: a text request did not return\n", stderr);
                  std::_Exit(1);
              }
          })
    { }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

TEST(TextBoundaries, FindsTheCharacterWordOrLineAtBeforeAndAfterAnOffset)
{
    const struct
    {
        QString text;
        int offset;
        Boundary boundary;
        Unit at, before, after;
    } cases[] = {
        // A number is one word; at the end the word is the one that ends there.
        {"2.5", 0, QAccessible::WordBoundary, {0, 3}, {0, 0}, {3, 3}},
        {"2.5", 3, QAccessible::WordBoundary, {0, 3}, {0, 0}, {3, 3}},
        {"2.5", -1, QAccessible::WordBoundary, {0, 3}, {0, 0}, {3, 3}},
        {"-0.0001", 1, QAccessible::WordBoundary, {0, 7}, {0, 0}, {7, 7}},
        {"2.22.5", 6, QAccessible::WordBoundary, {0, 6}, {0, 0}, {6, 6}},
        // Blanks belong to the word before them; leading blanks stand alone.
        {"2.5 abc", 3, QAccessible::WordBoundary, {0, 4}, {0, 0}, {4, 7}},
        {"2.5 abc", 5, QAccessible::WordBoundary, {4, 7}, {0, 4}, {7, 7}},
        {"  2.5", 1, QAccessible::WordBoundary, {0, 2}, {0, 0}, {2, 5}},
        {" ", 0, QAccessible::WordBoundary, {0, 1}, {0, 0}, {1, 1}},
        {" ", 1, QAccessible::WordBoundary, {0, 1}, {0, 0}, {1, 1}},
        {"", 0, QAccessible::WordBoundary, {0, 0}, {0, 0}, {0, 0}},
        // A character; at the end there is none, but one before it.
        {"2.5", 1, QAccessible::CharBoundary, {1, 2}, {0, 1}, {2, 3}},
        {"2.5", 3, QAccessible::CharBoundary, {3, 3}, {2, 3}, {3, 3}},
        {"", 0, QAccessible::CharBoundary, {0, 0}, {0, 0}, {0, 0}},
        // A one-line text is one sentence, line and paragraph.
        {"4.4000", 6, QAccessible::SentenceBoundary, {0, 6}, {0, 0}, {6, 6}},
        {"2.5 abc", 2, QAccessible::LineBoundary, {0, 7}, {0, 0}, {7, 7}},
        {"2.5", 0, QAccessible::ParagraphBoundary, {0, 3}, {0, 0}, {3, 3}},
        // A letter outside the Basic Multilingual Plane is one character.
        {"𝑥=2.5", 0, QAccessible::CharBoundary, {0, 1}, {0, 0}, {1, 2}},
        {"𝑥=2.5", 5, QAccessible::CharBoundary, {5, 5}, {4, 5}, {5, 5}},
        {"𝑥=2.5", -1, QAccessible::WordBoundary, {0, 5}, {0, 0}, {5, 5}},
        // A line runs to its line break and takes it; a sentence and a paragraph are lines.
        {"a b\nc", 1, QAccessible::LineBoundary, {0, 4}, {0, 0}, {4, 5}},
        {"a b\nc", 3, QAccessible::SentenceBoundary, {0, 4}, {0, 0}, {4, 5}},
        {"a b\nc", 4, QAccessible::ParagraphBoundary, {4, 5}, {0, 4}, {5, 5}},
        {"a b\nc", 5, QAccessible::LineBoundary, {4, 5}, {0, 4}, {5, 5}},
        {"a b\nc", 2, QAccessible::NoBoundary, {0, 5}, {0, 0}, {5, 5}},
        {"a b\nc", 2, QAccessible::WordBoundary, {2, 4}, {0, 2}, {4, 5}},
        // Outside the text there is nothing.
        {"2.5", 4, QAccessible::WordBoundary, {-1, -1}, {-1, -1}, {-1, -1}},
        {"2.5", -2, QAccessible::CharBoundary, {-1, -1}, {-1, -1}, {-1, -1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " at " + std::to_string(c.offset) + ", boundary " +
                     std::to_string(c.boundary));
        EXPECT_EQ(textboundaries::at(c.text, c.offset, c.boundary), c.at);
        EXPECT_EQ(textboundaries::before(c.text, c.offset, c.boundary), c.before);
        EXPECT_EQ(textboundaries::after(c.text, c.offset, c.boundary), c.after);
    }
}

TEST(TextBoundaries, CountsALetterOutsideTheBasicPlaneAsOneCharacter)
{
    const QString text = "𝑥=2.5";
    EXPECT_EQ(textboundaries::length(text), 5);
    EXPECT_EQ(textboundaries::part(text, 0, 1), "𝑥");
    EXPECT_EQ(textboundaries::part(text, 1, 5), "=2.5");
    EXPECT_EQ(textboundaries::indexOf(text, 1), 2);
    EXPECT_EQ(textboundaries::indexOf(text, 5), 6);
    EXPECT_EQ(textboundaries::offsetOf(text, 1), 0); // the letter's second half
    EXPECT_EQ(textboundaries::offsetOf(text, 2), 1);
    EXPECT_EQ(textboundaries::offsetOf(text, 6), 5);
}

// What a walk through one window's accessible objects met: every widget, and the text controls,
// by object name (a line edit without one by its parent's), and the requests asked.
struct Walk
{
    std::set<QString> widgets;
    std::set<QString> controls;
    int requests = 0;
};

// Puts each text into each text control of the window and asks, as a screen reader does, for
// the character, word, sentence, paragraph and line at, before and after every offset from -1
// to one past the end: each request returns (or the watchdog ends the test program), with the
// part of the text its ends name; the control counts the text's characters as a reader does.
void askEveryTextControl(QWidget *window, Walk &walk)
{
    const struct
    {
        QString text;
        int characters;
    } texts[] = {
        {"", 0},
        {" ", 1},
        {"2.5 ", 4}, // a blank at the end
        {"/tmp/a folder/result.txt", 24},
        {"𝑥=2.5", 5}, // U+1D465, two UTF-16 code units, one character
        {"result.txt already exists.\nReplace it?", 38},
    };
    std::vector<QAccessibleInterface *> pending {QAccessible::queryAccessibleInterface(window)};
    while (!pending.empty()) {
        QAccessibleInterface *accessible = pending.back();
        pending.pop_back();
        for (int i = 0; i < accessible->childCount(); ++i)
            if (QAccessibleInterface *child = accessible->child(i))
                pending.push_back(child);
        QAccessibleTextInterface *text = accessible->textInterface();
        auto *edit = qobject_cast<QLineEdit *>(accessible->object());
        auto *field = qobject_cast<OutputField *>(accessible->object());
        auto *label = qobject_cast<QLabel *>(accessible->object());
        const QObject *object = accessible->object();
        if (!object || !object->isWidgetType())
            continue;
        const QString name =
            object->objectName().isEmpty() ? object->parent()->objectName() : object->objectName();
        walk.widgets.insert(name);
        if (!text)
            continue;
        walk.controls.insert(name);
        const auto put = [&](const QString &shown) {
            if (field)
                field->setValue(shown);
            else if (edit)
                edit->setText(shown);
            else if (label)
                label->setText(shown);
        };
        for (const auto &[shown, characters] : texts) {
            SCOPED_TRACE(name.toStdString() + " holding " + shown.toStdString());
            put(shown);
            ASSERT_EQ(text->characterCount(), characters);
            if (edit) {
                EXPECT_EQ(text->cursorPosition(), characters);
            }
            for (int offset = -1; offset <= characters + 1; ++offset)
                for (const Boundary boundary : allBoundaries) {
                    int start = 0, end = 0;
                    const QString at = text->textAtOffset(offset, boundary, &start, &end);
                    EXPECT_EQ(at, start < 0 ? QString() : text->text(start, end));
                    const QString before = text->textBeforeOffset(offset, boundary, &start, &end);
                    EXPECT_EQ(before, start < 0 ? QString() : text->text(start, end));
                    const QString after = text->textAfterOffset(offset, boundary, &start, &end);
                    EXPECT_EQ(after, start < 0 ? QString() : text->text(start, end));
                    walk.requests += 3;
                }
        }
        // The character at a letter's offset is that letter, not half of it.
        put("𝑥=2.5");
        int start = 0, end = 0;
        EXPECT_EQ(text->textAtOffset(0, QAccessible::CharBoundary, &start, &end), "𝑥");
        EXPECT_EQ(text->textAtOffset(1, QAccessible::CharBoundary, &start, &end), "=");
        EXPECT_EQ(std::pair(start, end), std::pair(1, 2));
    }
}

// Runs show, which opens a modal window and returns once it is closed; answer gets each modal
// window as it opens (a message box over a dialog too), once, from a timer.
void whileModal(const std::function<void()> &show, const std::function<void(QWidget *)> &answer)
{
    std::set<QWidget *> answered;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        // A message box over a dialog may not be the active modal window yet.
        QWidget *modal = QApplication::activeModalWidget();
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox *>(window) && window->isVisible())
                modal = window;
        if (modal && modal->isVisible() && answered.insert(modal).second)
            answer(modal);
    });
    driver.start(50);
    show();
}

// Each window the program can open, with Qt's own file dialog and message boxes: every text
// control answers every request a reader makes. Qt 6.4's own answers never returned for some
// of them (the file name field holding "result.txt" for a word at -1, a path at 0).
TEST(Accessibility, EveryTextControlOfEveryWindowAnswersEveryRequest)
{
    const Watchdog watchdog(std::chrono::seconds(120));
    Files files;
    const QString existing = QString::fromStdString(files.write("result.txt", "1 2\n"));
    std::map<std::string, Walk> walks;

    Form1 form;
    form.show();
    askEveryTextControl(&form, walks["main window"]);

    QtFileDialog dialogs(&form);
    whileModal([&] { dialogs.ShowOpen(); },
               [&](QWidget *modal) {
                   auto *dialog = static_cast<QFileDialog *>(modal);
                   dialog->setDirectory(QString::fromStdString(files.folder()));
                   askEveryTextControl(dialog, walks["Open"]);
                   dialog->reject();
               });
    // Save As, then the question before replacing the file, then Save As cancelled.
    whileModal([&] { dialogs.ShowSave(); },
               [&](QWidget *modal) {
                   if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                       askEveryTextControl(dialog, walks["Save As"]);
                       dialog->findChild<QLineEdit *>("fileNameEdit")->setText(existing);
                       QTimer::singleShot(0, dialog, &QDialog::accept);
                   } else {
                       askEveryTextControl(modal, walks["replace question"]);
                       static_cast<QMessageBox *>(modal)->button(QMessageBox::No)->click();
                       QTimer::singleShot(0, modal->parentWidget(),
                                          [&] { QApplication::activeModalWidget()->close(); });
                   }
               });
    whileModal([&] { showMessage(&form, QMessageBox::Warning, "\"result.txt\": no samples."); },
               [&](QWidget *modal) {
                   askEveryTextControl(modal, walks["message box"]);
                   static_cast<QMessageBox *>(modal)->accept();
               });

    for (const auto &[window, walk] : walks)
        std::printf("%s: %zu text controls, %d requests\n", window.c_str(), walk.controls.size(),
                    walk.requests);
    using testing::Contains;
    using testing::IsSupersetOf;
    EXPECT_THAT(walks["main window"].controls,
                IsSupersetOf({"txtx", "lbloutputyprime", "lbloutputy"}));
    EXPECT_THAT(walks["Open"].controls, Contains("fileNameEdit"));
    EXPECT_THAT(walks["Save As"].controls, Contains("fileNameEdit"));
    // Qt 6.4 gives a label no text interface; where a later Qt does, the walk asks it too.
    EXPECT_THAT(walks["replace question"].widgets, Contains("qt_msgbox_label"));
    EXPECT_THAT(walks["message box"].widgets, Contains("qt_msgbox_label"));
}

TEST(Accessibility, GivesItsOwnInterfacesToTheWindowsOwnControlsAlone)
{
    // A password field of another window does not report its text as its value, as it would
    // through the box's interface.
    QLineEdit password;
    password.setEchoMode(QLineEdit::Password);
    password.setText("secret");
    EXPECT_NE(QAccessible::queryAccessibleInterface(&password)->text(QAccessible::Value), "secret");
    // Nor its words: Qt's answer, no unit.
    int start = 0, end = 0;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&password)->textInterface()->textAtOffset(
                  0, QAccessible::WordBoundary, &start, &end),
              QString());
    EXPECT_EQ(std::pair(start, end), std::pair(-1, -1));
    // The file dialog's name field keeps Qt's attributes: they are not one run over
    // the whole text, as the box's are.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *name = dialog.findChild<QLineEdit *>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText("result.txt");
    AbscissaBox box("result.txt");
    QAccessible::queryAccessibleInterface(&box)->textInterface()->attributes(1, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 10));
    QAccessible::queryAccessibleInterface(name)->textInterface()->attributes(1, &start, &end);
    EXPECT_NE(std::pair(start, end), std::pair(0, 10));
}

TEST(Accessibility, PlacesTheCharactersOfAScrolledBoxWhereTheyAreDrawn)
{
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QString text = "-0.000000000000000000001234567";
    form.txtx->setText(text);
    form.txtx->setFocus();
    form.txtx->end(false);
    form.txtx->repaint(); // the box scrolls as it is drawn
    QAccessibleTextInterface *box =
        QAccessible::queryAccessibleInterface(form.txtx)->textInterface();
    const QRect shown(form.txtx->mapToGlobal(QPoint(0, 0)), form.txtx->size());
    const QRect last = box->characterRect(static_cast<int>(text.size()) - 1);
    EXPECT_TRUE(shown.contains(last.center()))
        << last.x() << " in " << shown.x() << " to " << shown.right();
    // The first character has scrolled out on the left, and the point of the last one names it.
    EXPECT_LT(box->characterRect(0).right(), shown.left());
    EXPECT_EQ(box->offsetAtPoint(last.center()), text.size() - 1);
    EXPECT_GT(last.width(), 1); // a character's own width; one pixel only past the end
    EXPECT_EQ(box->text(1, 4), "0.0");
    form.txtx->deselect();
    EXPECT_EQ(box->selectionCount(), 0);
}

// A field's characters stand where the label draws them, as the ink of the rendered field
// shows: past the frame and the label's indent, and a point names a character only over it.
TEST(Accessibility, PlacesTheCharactersOfAFieldWhereTheyAreDrawn)
{
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.showValueText("6.2500");
    OutputField *field = form.lbloutputy;
    // The ink: dark pixels inside the frame (which is drawn dark too).
    const QImage image = field->grab().toImage();
    const QRect inside = field->contentsRect();
    int left = inside.right(), right = inside.left(), top = inside.bottom(), bottom = inside.top();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_LT(left, right);
    QAccessibleTextInterface *accessible =
        QAccessible::queryAccessibleInterface(field)->textInterface();
    const auto inField = [&](QRect global) {
        return QRect(field->mapFromGlobal(global.topLeft()), global.size());
    };
    // A glyph's ink starts and ends at most two pixels inside its advance.
    const QRect first = inField(accessible->characterRect(0));
    const QRect last = inField(accessible->characterRect(5));
    EXPECT_GE(left, first.left());
    EXPECT_LE(left, first.left() + 2);
    EXPECT_LE(right, last.right());
    EXPECT_GE(right, last.right() - 2);
    EXPECT_LE(first.top(), top);
    EXPECT_GE(first.bottom(), bottom);
    const int middle = (top + bottom) / 2;
    const struct
    {
        QPoint point;
        int offset;
    } points[] = {
        {{left, middle}, 0},
        {{right, middle}, 5},
        {{left - 3, middle}, -1}, // in the indent, before the text
        {{left, -2}, -1}, // above the field
        {{left, field->height() + 2}, -1}, // below it
        {{-2 - field->x(), middle}, -1}, // left of the field, in the window
        {{right + 4, middle}, -1}, // past the text's end
    };
    for (const auto &[point, offset] : points)
        EXPECT_EQ(accessible->offsetAtPoint(field->mapToGlobal(point)), offset)
            << point.x() << "," << point.y();
    EXPECT_EQ(accessible->text(2, 4), "25");
}

TEST(Accessibility, GivesTheSelectionOfACutValueInOffsetsOfTheWholeValue)
{
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QString value = "-123456789012345678901234567890.0000";
    form.showDerivativeText(value.toStdString());
    ASSERT_TRUE(form.lbloutputyprime->text().endsWith(u'…'));
    QAccessibleTextInterface *field =
        QAccessible::queryAccessibleInterface(form.lbloutputyprime)->textInterface();
    // All of the shown text, ellipsis and all, is all of the value.
    form.lbloutputyprime->setSelection(0, static_cast<int>(form.lbloutputyprime->text().size()));
    int start = -1, end = -1;
    field->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, static_cast<int>(value.size())));
    // A reader that selects the first three characters of the value selects them as shown.
    field->setSelection(0, 0, 3);
    EXPECT_EQ(form.lbloutputyprime->selectedText(), "-12");
    field->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 3));
}

} // namespace
