#include "ui/platformchoice.h"

#include <gtest/gtest.h>

namespace {

TEST(PlatformChoice, PrefersX11UnderGnomeOnWaylandUnlessTheUserChose)
{
    const struct
    {
        const char *chosen, *session, *desktop, *platforms;
    } cases[] = {
        // GNOME on Wayland, in its spellings: GNOME draws the title bar through XWayland.
        {"", "wayland", "GNOME", "xcb;wayland"},
        {"", "wayland", "ubuntu:GNOME", "xcb;wayland"},
        {"", "wayland", "GNOME-Classic:GNOME", "xcb;wayland"},
        // The user's own choice stands.
        {"wayland", "wayland", "GNOME", ""},
        {"offscreen", "wayland", "GNOME", ""},
        // Elsewhere Qt chooses: KDE draws the title bar itself, X11 sessions are X11.
        {"", "wayland", "KDE", ""},
        {"", "x11", "GNOME", ""},
        {"", "", "", ""},
        {"", "wayland", "GNOMEish", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platformchoice::platforms(c.chosen, c.session, c.desktop), c.platforms)
            << c.chosen << " " << c.session << " " << c.desktop;
}

} // namespace
