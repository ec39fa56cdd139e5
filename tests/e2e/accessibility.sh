#!/usr/bin/env bash
# What a screen reader finds, read through the accessibility bus as Orca
# reads it (AT-SPI, with python3-pyatspi; see accessibility.py):
#  1. the main window is a frame; every entry field is labelled by its
#     caption; BANCA is "Banca" with a bank selected; the web address and
#     the banner are focusable links; no English or internal name;
#  2. the bank list (BANCHE, opened with Return on CALIBRAZIONE): its rows
#     read as shown, without the padding and the id; no hidden list or
#     field, no English name.
# Skips when no session bus or accessibility bus can be started here.
# Usage: accessibility.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"

bin=${1:?usage: accessibility.sh QUENDRA-BINARY}
e2e_need_cmd dbus-run-session xdotool
# The system's Python, which has the distribution's bindings.
py=/usr/bin/python3
[[ -x $py ]] || py=python3
"$py" -c 'import pyatspi' 2>/dev/null || e2e_skip "python3-pyatspi is not installed"
[[ -x /usr/libexec/at-spi-bus-launcher ]] || e2e_skip "at-spi2-core is not installed"

# A private session bus of our own; the accessibility bus is started from it.
if [[ -z ${E2E_A11Y_SESSION:-} ]]; then
    export E2E_A11Y_SESSION=1
    exec dbus-run-session -- bash "$0" "$@"
fi
"$py" "$here/accessibility.py" bus 2>/dev/null || e2e_skip "the accessibility bus does not start here"

e2e_mktemp tmp
x_start "$tmp"
app_env "$tmp/a11y"
unset NO_AT_BRIDGE
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -p "$APP_DATA"
printf 'BANCA ROSSI%100s7|000123\r\n' '' >"$APP_DATA/Banche.ini"

app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window (see $APP_DIR/app.log)"
"$py" "$here/accessibility.py" main || e2e_fail "the main window as a screen reader reads it (above)"
e2e_log "main window: a frame, fields labelled, BANCA read as Banca, links focusable"

# CALIBRAZIONE from the keyboard: eight Tabs from LUOGO, then Return.
x_key "$win" Tab Tab Tab Tab Tab Tab Tab Tab Return
banks=$(x_wait_window 'BANCHE' 30) || e2e_fail "CALIBRAZIONE did not open the bank list"
"$py" "$here/accessibility.py" banks || e2e_fail "the bank list as a screen reader reads it (above)"
e2e_log "bank list: rows read as shown, nothing hidden or English"

x_key "$banks" Escape
x_wait_no_window 'BANCHE' 30 || e2e_fail "the bank list did not close"
win=$(app_main_window 30) || e2e_fail "the main window did not come back"
x_close "$win" || e2e_fail "could not ask the main window to close"
app_wait_exit 30 || e2e_fail "program still running 30 s after its window was closed"
