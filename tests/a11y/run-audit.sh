#!/usr/bin/env bash
# Starts Korvanda on a copy of the demo meet under a virtual display with its
# own session and accessibility bus, and audits every window through it.
#   run-audit.sh PROGRAM DEMO_MEET_DIRECTORY
set -euo pipefail
program="$1"
demo="$2"
here="$(cd "$(dirname "$0")" && pwd)"
meet="$(mktemp -d)"
trap 'rm -rf "$meet"' EXIT
# The program keeps its meet beside itself, so it runs from the copy.
cp "$program" "$meet/"
cp "$demo"/* "$meet/"
# Debian's Python: the accessibility bindings are its package.
timeout 180 xvfb-run -a -s "-screen 0 1366x768x24" \
    dbus-run-session -- /usr/bin/python3 "$here/AccessibilityAudit.py" "$meet/$(basename "$program")" "$meet"
