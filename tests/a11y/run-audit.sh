#!/usr/bin/env bash
# Starts Korvanda on a copy of the demo meet under a virtual display with its
# own session and accessibility bus, and audits every window through it.
#   run-audit.sh PROGRAM DEMO_MEET_DIRECTORY
set -euo pipefail
program="$1"
demo="$2"
here="$(cd "$(dirname "$0")" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
meet="$scratch/meet"
mkdir "$meet"
# The recent meets and window places go to a scratch home, not the user's.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config"
mkdir -p "$HOME"
# The program keeps its meet beside itself, so it runs from the copy.
cp "$program" "$meet/"
cp "$demo"/* "$meet/"
# In the sanitized build: libxkbcommon-x11, which the X11 platform loads,
# hands strndup a keymap name that is not NUL-terminated, as strndup allows;
# strict string checks would take that for an overflow in the program.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
# Debian's Python: the accessibility bindings are its package.
timeout 180 xvfb-run -a -s "-screen 0 1366x768x24" \
    dbus-run-session -- /usr/bin/python3 "$here/AccessibilityAudit.py" "$meet/$(basename "$program")" "$meet"
