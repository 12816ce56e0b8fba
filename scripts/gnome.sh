#!/usr/bin/env bash
# Installs what is missing, builds tabderiv and shows it in a headless GNOME Shell on Wayland,
# as a GNOME user meets it: started as the desktop starts it (the platform left to the program),
# and with Qt's native Wayland platform forced (QT_QPA_PLATFORM=wayland). For each, prints the
# window as GNOME Shell lists it (title, X11 or Wayland client, whether GNOME offers maximise,
# whether GNOME draws its title bar) and takes a screenshot into build/gnome/.
# Runs as root: GNOME Shell needs a system bus, and logind is hidden from it in a mount
# namespace of its own (a machine without systemd running as init has /run/systemd/seats but no
# logind).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tabderiv_install_missing gnome-shell qt6-wayland dbus-x11 xwayland
tabderiv_build >/dev/null
mkdir -p build/gnome
if [ ! -S /run/dbus/system_bus_socket ]; then
    mkdir -p /run/dbus
    dbus-daemon --system --fork
fi
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR TOP=$PWD
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

unshare --mount --propagation private bash -c '
mount -t tmpfs tmpfs /run/systemd
exec dbus-run-session -- bash -c "
set -u
gnome-shell --headless --unsafe-mode --wayland --virtual-monitor 1280x800 >\$TOP/build/gnome/shell.log 2>&1 &
for _ in \$(seq 60); do [ -e \$XDG_RUNTIME_DIR/wayland-0 ] && break; sleep 0.5; done
sleep 6
shell() {
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Eval \"\$1\"
}
# Each window: title, client (0 Wayland, 1 X11), maximise offered by GNOME, GNOME title bar.
windows=\"global.get_window_actors().map(a => a.meta_window).map(w => [w.get_title(), w.get_client_type(), w.can_maximize(), w.decorated].join(\\\" \\\")).join(\\\"; \\\")\"
for mode in desktop wayland; do
    if [ \$mode = wayland ]; then platform=wayland; else platform=; fi
    # As a GNOME session starts programs: both displays, and the key to XWayland.
    env -u DISPLAY WAYLAND_DISPLAY=wayland-0 DISPLAY=:0 XDG_SESSION_TYPE=wayland \
        XAUTHORITY=\$(ls \$XDG_RUNTIME_DIR/.mutter-Xwaylandauth.* | head -1) \
        XDG_CURRENT_DESKTOP=GNOME QT_QPA_PLATFORM=\$platform \$TOP/build/ui/tabderiv &
    program=\$!
    sleep 5
    echo \"\$mode: \$(shell \"\$windows\")\"
    gdbus call --session --dest org.gnome.Shell.Screenshot --object-path /org/gnome/Shell/Screenshot \
        --method org.gnome.Shell.Screenshot.Screenshot false false \$TOP/build/gnome/\$mode.png >/dev/null
    kill \$program
    wait \$program 2>/dev/null
done
"' 2>&1 | grep -E '^(desktop|wayland):'
echo "screenshots: build/gnome/desktop.png, build/gnome/wayland.png"
