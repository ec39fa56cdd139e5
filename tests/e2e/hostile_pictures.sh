#!/usr/bin/env bash
# Pictures that hang or exhaust the decoders, kept as a bank's picture or
# chosen through the picture menu: each is answered by an Italian message
# within 15 s, the program goes on answering, and its peak resident memory
# stays under 1 GiB.
#  - a PDF whose page tree holds itself;
#  - a PDF with a page of 200 by 200 inches;
#  - a 3 GB file of nothing (sparse).
# Usage: hostile_pictures.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"

bin=${1:?usage: hostile_pictures.sh QUENDRA-BINARY}
e2e_need_cmd truncate

e2e_mktemp tmp
x_start "$tmp"
printf '%%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n2 0 obj << /Type /Pages /Kids [2 0 R] /Count 1 >> endobj\ntrailer << /Root 1 0 R >>\n%%%%EOF\n' >"$tmp/loop.pdf"
printf '%%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj\n3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 14400 14400] >> endobj\ntrailer << /Root 1 0 R >>\n%%%%EOF\n' >"$tmp/huge.pdf"
truncate -s 3G "$tmp/empty.png"

# Opens the calibration window of the one bank; prints its id.
open_calibration() {
    local win banks
    win=$(app_main_window 60) || e2e_fail "no main window (see $APP_DIR/app.log)"
    x_click "$win" 456 176 || e2e_fail "clicking CALIBRAZIONE failed"
    banks=$(x_wait_window 'BANCHE' 30) || e2e_fail "no bank list window"
    x_click "$banks" 157 201 || e2e_fail "clicking CALIBRAZIONE in the bank list failed"
}

# Waits for the message, answers it and checks that the program still
# answers: its picture menu opens and closes.
expect_message() {
    local what=$1 box design started=$SECONDS
    box=$(x_wait_window 'Quendra' 15) || e2e_fail "$what: no message within 15 s"
    x_screenshot "$box" "$tmp/$2.png" || true
    x_key "$box" Return || e2e_fail "$what: could not answer the message"
    design=$(x_wait_window 'Calibrazione assegno ALFA 1' 15) || e2e_fail "$what: no calibration window after the message"
    xdotool mousemove --window "$design" 10 100 click 3
    x_wait_window '' 10 >/dev/null
    xdotool key Escape
    local peak
    peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$APP_PID/status")
    (( peak < 1048576 )) || e2e_fail "$what: peak resident memory $peak kB"
    e2e_log "$what: told after $(( SECONDS - started )) s, peak resident memory $peak kB"
    x_close "$design"
}

for case in loop huge empty; do
    app_env "$tmp/$case"
    mkdir -p -m 700 "$APP_DATA"
    printf 'ALFA%100s1|1\r\n' '' >"$APP_DATA/Banche.ini"
    cp --sparse=always "$tmp/$case.${case/empty/png}" "$APP_DATA/Quendra1.png" 2>/dev/null \
        || cp --sparse=always "$tmp/$case.pdf" "$APP_DATA/Quendra1.png"
    app_start "$bin"
    open_calibration
    expect_message "$case kept as the bank's picture" "kept-$case"
    app_wait_exit 1 || kill -TERM "$APP_PID"
    app_wait_exit 30 || e2e_fail "the program did not end"
done

# The 200-inch page chosen through the picture menu.
app_env "$tmp/menu"
mkdir -p -m 700 "$APP_DATA"
printf 'ALFA%100s1|1\r\n' '' >"$APP_DATA/Banche.ini"
app_start "$bin"
open_calibration
design=$(x_wait_window 'Calibrazione assegno ALFA 1' 30) || e2e_fail "no calibration window"
xdotool mousemove --window "$design" 10 100 click 3
sleep 0.5
xdotool key --delay 100 Down Return
dialog=$(x_wait_window "Immagine dell'assegno" 15) || e2e_fail "the picture menu opened no file window"
sleep 0.5
xdotool type --delay 20 -- "$tmp/huge.pdf"
xdotool key Return
expect_message "the 200-inch page through the picture menu" menu-huge
e2e_log PASS
