#!/bin/bash
# Runs a command on GNOME's compositor, headless: on_mutter.sh COMMAND [ARGUMENTS...]
# Run inside dbus-run-session. Exits with the command's status.
set -u
export XDG_RUNTIME_DIR=$(mktemp -d)
mutter --headless --wayland --no-x11 --virtual-monitor 1024x768 --wayland-display=wayland-mutter \
    >"$XDG_RUNTIME_DIR/mutter.log" 2>&1 &
compositor=$!
trap 'kill $compositor 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wayland-mutter" ] && break; sleep 0.1; done
sleep 1
env -u DISPLAY WAYLAND_DISPLAY=wayland-mutter QT_QPA_PLATFORM=wayland "$@"
