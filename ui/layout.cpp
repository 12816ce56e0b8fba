#include "layout.h"

#include <QFontDatabase>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>
#include <cstring>

namespace layout {

namespace {

struct Place
{
    const char *name;
    int left, top, width, height; // twips
    // The control this one lies on, and keeps its place on when mirrored; none when null.
    const char *on = nullptr;
    // How much further right a label goes when mirrored: left to right its text ends in a blank
    // before its field, right to left it begins at the field, and stands off it by that blank.
    int blank = 0;
};

constexpr Place places[] = {
    {"cmdcalculate", 0, 0, 1335, 615},
    {"cmdquit", 1440, 0, 1335, 615},
    {"Label1", 120, 780, 1575, 255, nullptr, 90},
    {"txtx", 435, 720, 775, 390, "Label1"},
    {"lbloutputyprime", 1680, 720, 1215, 375},
    {"lbloutputy", 1680, 1320, 1215, 375},
    {"Label2", 840, 1320, 800, 255, nullptr, 90},
};
constexpr int clientWidth = 3000;
constexpr int clientHeight = 1860;

int pixels(int twips, int dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

const Place *find(const char *name)
{
    for (const Place &p : places)
        if (std::strcmp(p.name, name) == 0)
            return &p;
    return nullptr;
}

QRect pixels(const Place &p, int dpi)
{
    return {pixels(p.left, dpi), pixels(p.top, dpi), pixels(p.width, dpi), pixels(p.height, dpi)};
}

} // namespace

QRect geometry(const char *name, int dpi, Qt::LayoutDirection direction)
{
    const Place *place = find(name);
    if (!place)
        return {};
    QRect shown = pixels(*place, dpi);
    if (direction != Qt::RightToLeft)
        return shown;
    if (place->on) {
        // Where the control it lies on goes, at the same distance from that control's left edge.
        const QRect under = pixels(*find(place->on), dpi);
        return shown.translated(geometry(place->on, dpi, direction).left() - under.left(), 0);
    }
    return QStyle::visualRect(direction, QRect({}, clientSize(dpi)), shown)
        .translated(pixels(place->blank, dpi), 0);
}

QSize clientSize(int dpi)
{
    return {pixels(clientWidth, dpi), pixels(clientHeight, dpi)};
}

QFont font()
{
    QFont font = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
        ? QFont(QStringLiteral("Verdana"))
        : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

namespace {

// The caption broken into two lines at the blank nearest its middle; empty without a blank.
QString twoLines(const QString &caption)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption.at(i) == QLatin1Char(' ') &&
            (best < 0 || std::abs(caption.size() - 2 * i) < std::abs(caption.size() - 2 * best)))
            best = i;
    if (best < 0)
        return {};
    return caption.left(best) + QLatin1Char('\n') + caption.mid(best + 1);
}

// True when the text, on its lines, fits the area in the font.
bool fits(const QString &text, const QFont &font, const QSize &area)
{
    const QFontMetrics metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines)
        if (metrics.horizontalAdvance(line) > area.width())
            return false;
    return lines.size() * metrics.lineSpacing() <= area.height();
}

} // namespace

void fitCaption(QPushButton *button)
{
    const QString caption = button->text();
    QStyleOptionButton option;
    option.initFrom(button);
    option.features = QStyleOptionButton::AutoDefaultButton;
    option.text = caption;
    // The style's contents area, less a pixel on either side.
    const QSize area =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size() -
        QSize(2, 0);
    const QString broken = twoLines(caption);
    QFont font = button->font();
    for (const QString &shown : {caption, broken}) {
        if (shown.isEmpty())
            continue;
        for (int size = font.pointSize(); size >= smallestPointSize; --size) {
            QFont smaller = font;
            smaller.setPointSize(size);
            if (fits(shown, smaller, area)) {
                button->setFont(smaller);
                button->setText(shown);
                return;
            }
        }
    }
    font.setPointSize(smallestPointSize);
    button->setFont(font);
    button->setText(QFontMetrics(font).elidedText(caption, Qt::ElideRight, area.width()));
    button->setToolTip(caption);
}

} // namespace layout
