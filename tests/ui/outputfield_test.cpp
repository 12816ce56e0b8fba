#include "ui/abscissabox.h"
#include "ui/argumentlabel.h"
#include "ui/form1.h"
#include "ui/layout.h"
#include "ui/outputfield.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// 96 DPI, and 192 DPI as Qt draws it: twice the device pixels for each logical one.
constexpr double pixelRatios[] = {1.0, 2.0};

QImage rendered(QWidget &widget, double pixelRatio)
{
    QImage image(widget.size() * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

// The device pixels of the logical column x, between the logical rows top and bottom.
QImage column(const QImage &image, int x, int top, int bottom)
{
    const double ratio = image.devicePixelRatio();
    return image.copy(std::lround(x * ratio), std::lround(top * ratio), std::lround(ratio),
                      std::lround((bottom - top + 1) * ratio));
}

// Whether any of those pixels is dark.
bool inked(const QImage &image, int x, int top, int bottom)
{
    const QImage pixels = column(image, x, top, bottom);
    for (int y = 0; y < pixels.height(); ++y)
        for (int dx = 0; dx < pixels.width(); ++dx)
            if (qGray(pixels.pixel(dx, y)) < 128)
                return true;
    return false;
}

TEST(ArgumentLabel, ClosesTheArgumentJustRightOfTheBoxInEveryFontAndResolution)
{
    Form1 form;
    const QString text = form.Label1->text();
    const QString opening = text.left(text.indexOf('(') + 1); // "y'("
    const QString closing = text.mid(text.lastIndexOf(')')); // ") = "
    std::vector<QFont> fonts {layout::font()};
    for (const QString family : {"Verdana", "DejaVu Sans"})
        if (QFontDatabase::hasFamily(family))
            fonts.emplace_back(family, 12);
    for (const QFont &font : fonts) {
        for (const int dpi : {96, 120, 144, 192}) {
            QImage device(1, 1, QImage::Format_RGB32);
            device.setDotsPerMeterX(std::lround(dpi / 0.0254));
            device.setDotsPerMeterY(std::lround(dpi / 0.0254));
            const QFontMetricsF metrics(font, &device);
            const QRect label = layout::geometry("Label1", dpi);
            const QRect box = layout::geometry("txtx", dpi);
            const int left = label.left() + ArgumentLabel::closingLeft(label, box);
            const std::string where = font.family().toStdString() + " at " + std::to_string(dpi);
            // ")" one to three pixels right of the box, and the text ends inside Label1.
            EXPECT_GE(left, box.right() + 2) << where;
            EXPECT_LE(left, box.right() + 4) << where;
            EXPECT_LE(left + metrics.horizontalAdvance(closing), label.right() + 1) << where;
            // "y'(" stands left of the box, not under it.
            EXPECT_LE(label.left() + metrics.horizontalAdvance(opening), box.left()) << where;
        }
    }
}

TEST(ArgumentLabel, DrawsTheClosingParenthesisRightOfTheBox)
{
    Form1 form;
    const QRect box = form.txtx->geometry();
    const QRect label = form.Label1->geometry();
    for (const double ratio : pixelRatios) {
        const QImage image = rendered(form, ratio);
        // The first ink right of the box is the ")", one to three pixels from its edge (with
        // the glyph's own bearing, four at most); drawn as a plain label it would lie under
        // the box, and the first ink there would be the "=".
        int first = box.right() + 1;
        while (first < label.right() && !inked(image, first, label.top(), label.bottom()))
            ++first;
        EXPECT_LE(first - box.right(), 4) << "pixel ratio " << ratio;
    }
}

TEST(OutputField, ShowsAValueWholeOrCutWithAnEllipsisNeverClipped)
{
    Form1 form;
    OutputField *field = form.lbloutputy;
    const QRect inside = field->contentsRect();
    for (const double ratio : pixelRatios) {
        // The last column inside the border, as the empty field draws it.
        field->setValue({});
        const QImage empty =
            column(rendered(*field, ratio), inside.right(), inside.top(), inside.bottom());
        for (int digits = 1; digits <= 30; ++digits) {
            for (const QString sign : {"", "-"}) {
                const QString value = sign + QString(digits, '4') + ".0000";
                field->setValue(value);
                const QString shown = field->text();
                const std::string what = value.toStdString() + " at " + std::to_string(ratio);
                if (shown != value) {
                    // Cut only once the smallest font is too wide, and visibly.
                    EXPECT_EQ(field->font().pointSize(), OutputField::minimumPointSize) << what;
                    ASSERT_TRUE(shown.endsWith(QChar(0x2026))) << what;
                    EXPECT_TRUE(value.startsWith(shown.chopped(1))) << what;
                }
                EXPECT_GE(field->font().pointSize(), OutputField::minimumPointSize) << what;
                EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(shown), field->textWidth())
                    << what;
                // Nothing is drawn up to the right border: no digit is cut by it.
                EXPECT_EQ(
                    column(rendered(*field, ratio), inside.right(), inside.top(), inside.bottom()),
                    empty)
                    << what;
                EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Value),
                          value);
                EXPECT_TRUE(field->toolTip().endsWith(value)) << field->toolTip().toStdString();
            }
        }
    }
    // A value that fits takes the window's font again.
    field->setValue("4.4000");
    EXPECT_EQ(field->text(), "4.4000");
    EXPECT_EQ(field->font().pointSize(), form.font().pointSize());
    EXPECT_EQ(field->toolTip(), "Value y at x: 4.4000");
    field->setValue({});
    EXPECT_EQ(field->toolTip(), "Value y at x");
}

TEST(OutputField, CopiesTheWholeValueWithCtrlCAndItsMenu)
{
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    OutputField *field = form.lbloutputyprime;
    const QString value = "-440000000000.0000"; // shown cut
    field->setValue(value);
    ASSERT_NE(field->text(), value);
    EXPECT_TRUE(field->textInteractionFlags() & Qt::TextSelectableByMouse);

    QApplication::clipboard()->clear();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), value);
    // A part selected of a cut value is no part of the value: the whole is copied.
    field->setSelection(0, 3);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), value);

    QApplication::clipboard()->clear();
    QStringList actions;
    bool timedOut = false;
    QTimer::singleShot(50, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions())
            actions << action->text();
        menu->actions().constFirst()->trigger();
        menu->close();
    });
    QTimer::singleShot(5000, [&] {
        timedOut = true;
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &event);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(actions, QStringList {"&Copy"});
    EXPECT_EQ(QApplication::clipboard()->text(), value);
}

} // namespace
