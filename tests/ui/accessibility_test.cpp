#include "ui/abscissabox.h"
#include "ui/form1.h"
#include "ui/outputfield.h"
#include "ui/textboundaries.h"

#include <QAccessible>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace {

using Boundary = QAccessible::TextBoundaryType;
using Unit = textboundaries::Unit;

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
        // A sentence, a line and a paragraph are the whole text.
        {"4.4000", 6, QAccessible::SentenceBoundary, {0, 6}, {0, 0}, {6, 6}},
        {"2.5 abc", 2, QAccessible::LineBoundary, {0, 7}, {0, 0}, {7, 7}},
        {"2.5", 0, QAccessible::ParagraphBoundary, {0, 3}, {0, 0}, {3, 3}},
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

// Every request a screen reader makes when the cursor moves by word or it reads the current
// word or line, at every offset of the box and of both fields: each returns, with the part of
// the text its offsets name. Qt 6.4's own answer never returned for some of them.
TEST(TextBoundaries, AnswerEveryRequestOfTheBoxAndTheFieldsAtEveryOffset)
{
    Form1 form;
    const Watchdog watchdog(std::chrono::seconds(20));
    const Boundary boundaries[] = {QAccessible::CharBoundary,     QAccessible::WordBoundary,
                                   QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                                   QAccessible::LineBoundary,     QAccessible::NoBoundary};
    for (const QString text : {"", " ", "2.5", "-0.0001", "2.22.5", "4.4000"}) {
        form.txtx->setText(text);
        form.showDerivativeText(text.toStdString());
        form.showValueText(text.toStdString());
        for (QObject *control :
             {static_cast<QObject *>(form.txtx), static_cast<QObject *>(form.lbloutputyprime),
              static_cast<QObject *>(form.lbloutputy)}) {
            QAccessibleTextInterface *accessible =
                QAccessible::queryAccessibleInterface(control)->textInterface();
            ASSERT_NE(accessible, nullptr);
            for (int offset = -2; offset <= text.size() + 1; ++offset)
                for (const Boundary boundary : boundaries) {
                    int start = 0, end = 0;
                    const QString part = accessible->textAtOffset(offset, boundary, &start, &end);
                    EXPECT_EQ(part, start < 0 ? QString() : text.mid(start, end - start));
                    accessible->textBeforeOffset(offset, boundary, &start, &end);
                    accessible->textAfterOffset(offset, boundary, &start, &end);
                }
        }
    }
}

TEST(Accessibility, GivesItsOwnInterfacesToTheWindowsOwnControlsAlone)
{
    // A password field of another window does not report its text as its value, as it would
    // through the box's interface.
    QLineEdit password;
    password.setEchoMode(QLineEdit::Password);
    password.setText("secret");
    EXPECT_NE(QAccessible::queryAccessibleInterface(&password)->text(QAccessible::Value), "secret");
    // The file dialog's name field keeps Qt's interface: its attributes are not one run over
    // the whole text, as the box's are.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *name = dialog.findChild<QLineEdit *>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText("result.txt");
    AbscissaBox box("result.txt");
    int start = -1, end = -1;
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

TEST(Accessibility, FindsTheCharacterOfAFieldAtAPoint)
{
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.showValueText("6.2500");
    QAccessibleTextInterface *field =
        QAccessible::queryAccessibleInterface(form.lbloutputy)->textInterface();
    for (int offset : {0, 2, 5})
        EXPECT_EQ(field->offsetAtPoint(field->characterRect(offset).center()), offset);
    EXPECT_EQ(field->text(2, 4), "25");
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
