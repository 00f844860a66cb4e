#!/usr/bin/env bash
# Runs probe.py against the real program under its own X server, session bus and AT-SPI bus, and
# leaves no process behind. Exit 77 (skipped, with the reason) where AT-SPI cannot run.
#   run-probe.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [[ -x $candidate ]] && launcher=$candidate && break
done
missing=()
# The system's Python, which has the distribution's pyatspi (not a Python earlier on the PATH).
python=/usr/bin/python3
[[ -x $python ]] || python=python3
for tool in xvfb-run xauth dbus-run-session xdotool "$python"; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
[[ -n $launcher ]] || missing+=(at-spi-bus-launcher)
"$python" -c "import pyatspi" 2>/dev/null || missing+=(python3-pyatspi)
if ((${#missing[@]})); then
    echo "skipped: AT-SPI is not available here (missing: ${missing[*]})"
    exit 77
fi

# Everything below runs in the new session; its trap ends the program and the AT-SPI bus.
export FOURNIL_PROGRAM=$program FOURNIL_PROBE=$here/probe.py FOURNIL_LAUNCHER=$launcher FOURNIL_PYTHON=$python
exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c '
    set -u
    pids=()
    cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; }
    trap cleanup EXIT
    export HOME=$(mktemp -d) LANG=fr_FR.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
    export QT_QPA_PLATFORM=xcb  # the tests run offscreen elsewhere; AT-SPI needs the X server
    trap "cleanup; rm -rf \"$HOME\"" EXIT
    "$FOURNIL_LAUNCHER" --launch-immediately & pids+=($!)
    sleep 1
    "$FOURNIL_PROGRAM" >/dev/null 2>&1 & pids+=($!)
    export FOURNIL_PID=$!
    "$FOURNIL_PYTHON" "$FOURNIL_PROBE"
'
