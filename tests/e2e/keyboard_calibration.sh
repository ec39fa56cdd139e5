#!/usr/bin/env bash
# One field calibrated from the keyboard alone, under a private X server and
# a private CUPS: in the calibration window Tab reaches the payee's field,
# the arrows move it, Enter opens its position and 50,3 / 40,2 mm are typed,
# Tab on to "Salva le impostazioni" and Space save it. The cheque printed
# for that bank has the payee within 0.1 mm of the typed position (from the
# origin 23, 135 mm); printed again with a correction of +1,5 / -2,0 mm
# typed in the printer window, it lies that much further.
#
# Usage: keyboard_calibration.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/cups.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"
. "$here/lib/pdf.sh"
. "$here/lib/cheque.sh"

bin=${1:?usage: keyboard_calibration.sh QUENDRA-BINARY}
e2e_need_cmd pdftotext
PDF_TOL_MM=0.1

e2e_mktemp tmp
cups_start "$tmp"
x_start "$tmp"
app_env "$tmp/one"
mkdir -p "$APP_DATA"
printf '%s%100s%s|%s\r\n' "Banca Alfa" "" 1 "111" >"$APP_DATA/Banche.ini"
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window (see $APP_DIR/app.log)"

# CALIBRAZIONE of the main window, the bank's row and CALIBRAZIONE of the
# bank list: the way there is not what this test is about.
x_click "$win" 456 176 || e2e_fail "clicking CALIBRAZIONE failed"
banks=$(x_wait_window 'BANCHE' 30) || e2e_fail "no bank list window"
x_click "$banks" 60 29 || e2e_fail "choosing the bank failed"
x_click "$banks" 157 201 || e2e_fail "clicking CALIBRAZIONE in the bank list failed"
design=$(x_wait_window 'Calibrazione assegno .*111' 30) || e2e_fail "no calibration window"

# The window opens on the place's field; five Tabs reach the payee's.
x_key "$design" Tab Tab Tab Tab Tab Right Right Return || e2e_fail "keys on the field failed"
xdotool type --delay 30 -- "50,3" && xdotool key --delay 50 Tab \
    && xdotool type --delay 30 -- "40,2" && xdotool key --delay 50 Return \
    || e2e_fail "typing the position failed"
# From the field: NUMEROcc, two position boxes, two origin boxes, the comma,
# the test print, then "Salva le impostazioni".
xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab space || e2e_fail "reaching Salva failed"
ask=$(x_wait_window 'ATTENZIONE' 30) || e2e_fail "no question before saving"
x_key "$ask" s || e2e_fail "could not answer Sì"
x_wait_no_window 'ATTENZIONE' 30 || e2e_fail "the question stayed"
# 40,2 and 50,3 mm are 2279 and 2852 twips; the file is written once the
# question has gone.
payee_saved() { sed -n 14,15p "$APP_DATA/Quendra1.ini" | tr -d '\r' | paste -sd/ | grep -qx ' 2279 / 2852 '; }
e2e_wait 10 payee_saved \
    || e2e_fail "the payee is not saved at 2279, 2852 twips: $(sed -n 14,15p "$APP_DATA/Quendra1.ini" | od -c)"
x_close "$design" || e2e_fail "could not close the calibration window"
x_wait_no_window 'Calibrazione assegno.*' 30 || e2e_fail "the calibration window stayed (unsaved?)"
e2e_log "payee's field moved and saved by keyboard"

win=$(app_main_window 30) || e2e_fail "the main window did not come back"
x_click "$win" "${LUOGO_XY[@]}" || e2e_fail "clicking into LUOGO failed"
fill_cheque "$win" "Milano" "12/03/2024" "20" "ROSSI" enter
print_job "$win" n 1
job_words 1
pdf_expect_word "$w" "ROSSI" 73.3 175.2 13 || e2e_fail "the payee is not at the typed position"
id=$(basename "$(cups_job_files | sed -n 1p)" .job)
[[ $(cups_job_title "$id") == "Assegno – ROSSI – 20,00" ]] || e2e_fail "the job is titled '$(cups_job_title "$id")'"
e2e_log "the payee printed at the typed position"

x_wait_no_window 'Selezione Stampante' 30 || e2e_fail "printer window still open"
open_printers "$win" n
x_key "$sel" Tab ctrl+a && xdotool type --delay 30 -- "+1,5" \
    && xdotool key --delay 50 Tab ctrl+a && xdotool type --delay 30 -- "-2,0" \
    && xdotool key Return || e2e_fail "typing the correction failed"
cups_wait_job_file 2 60 || e2e_fail "the corrected print did not arrive"
job_words 2
pdf_expect_word "$w" "ROSSI" 74.8 173.2 13 || e2e_fail "the payee is not at the typed position plus the correction"
close_program "$win"
e2e_log PASS
