#include "layout.h"

#include <QFontDatabase>
#include <cmath>
#include <cstring>

namespace layout {

namespace {

struct Place
{
    const char *name;
    int left, top, width, height; // twips
};

constexpr Place places[] = {
    {"cmdcalculate", 0, 0, 1335, 615},         {"cmdquit", 1440, 0, 1335, 615},
    {"Label1", 120, 780, 1575, 255},           {"txtx", 435, 720, 775, 390},
    {"lbloutputyprime", 1680, 720, 1215, 375}, {"lbloutputy", 1680, 1320, 1215, 375},
    {"Label2", 840, 1320, 800, 255},
};
constexpr int clientWidth = 3000;
constexpr int clientHeight = 1860;

int pixels(int twips, int dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

} // namespace

QRect geometry(const char *name, int dpi)
{
    for (const Place &p : places)
        if (std::strcmp(p.name, name) == 0)
            return {pixels(p.left, dpi), pixels(p.top, dpi), pixels(p.width, dpi),
                    pixels(p.height, dpi)};
    return {};
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

} // namespace layout
