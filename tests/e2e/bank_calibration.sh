#!/usr/bin/env bash
# A new user's road from nothing to a cheque on their own bank's form, under
# a private X server and a private CUPS: first start, CALIBRAZIONE, two new
# banks, the second calibrated (the place dragged with SHIFT, saved), back
# to the main window and a cheque printed for that bank. The place lands
# where the drag put it, the other bank's and the default layout are left
# alone, and the next start preselects the bank printed last.
#
# Usage: bank_calibration.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/cups.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"
. "$here/lib/pdf.sh"
. "$here/lib/cheque.sh"

bin=${1:?usage: bank_calibration.sh QUENDRA-BINARY}
e2e_need_cmd pdftotext

e2e_mktemp tmp
cups_start "$tmp"
x_start "$tmp"
app_env "$tmp/one"
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window (see $APP_DIR/app.log)"
cp "$APP_DATA/Quendra.ini" "$tmp/default.before"

# Pixel centres, 15 twips a pixel: CALIBRAZIONE of the main window; AddBAN,
# CALIBRAZIONE and the first row of the bank list; SALVA of the new bank
# dialog; SalvaPos and the place label (1425, 285 twips) of the calibration
# window.
x_click "$win" 456 176 || e2e_fail "clicking CALIBRAZIONE failed"
banks=$(x_wait_window 'BANCHE' 30) || e2e_fail "no bank list window"
for bank in "Banca Alfa:111" "Banca Beta:222"; do
    x_click "$banks" 25 201 || e2e_fail "clicking AddBAN failed"
    new=$(x_wait_window 'NUOVA BANCA' 30) || e2e_fail "no new bank dialog"
    x_type "$new" "${bank%%:*}" && xdotool key Tab && xdotool type --delay 30 -- "${bank#*:}" \
        || e2e_fail "typing the new bank failed"
    x_click "$new" 196 93 || e2e_fail "clicking SALVA failed"
    x_wait_no_window 'NUOVA BANCA' 30 || e2e_fail "SALVA did not close the dialog"
done
x_click "$banks" 60 29 && xdotool key Down || e2e_fail "choosing the second bank failed"
x_click "$banks" 157 201 || e2e_fail "clicking CALIBRAZIONE in the bank list failed"
design=$(x_wait_window 'Calibrazione assegno BANCA BETA 222' 30) || e2e_fail "no calibration window"
e2e_log "two banks added, calibrating the second"

# SHIFT held at the press starts the drag; 30 and 20 pixels are 450 and
# 300 twips, so the place goes to 1875, 585.
x_focus "$design" && xdotool mousemove --window "$design" 100 25 keydown shift mousedown 1 \
    mousemove --window "$design" 110 32 mousemove --window "$design" 130 45 mouseup 1 keyup shift \
    || e2e_fail "dragging the place failed"
x_click "$design" 444 273 || e2e_fail "clicking SalvaPos failed"
ask=$(x_wait_window 'ATTENZIONE' 30) || e2e_fail "no question before saving"
x_key "$ask" s || e2e_fail "could not answer Sì"
x_wait_no_window 'ATTENZIONE' 30 || e2e_fail "the question stayed"
x_close "$design" || e2e_fail "could not close the calibration window"
x_wait_no_window 'Calibrazione assegno.*' 30 || e2e_fail "the calibration window stayed"

app_lines "$APP_DATA/Banche.ini" "Banca Alfa$(printf '%100s' '')1|111" "Banca Beta$(printf '%100s' '')2|222" \
    || e2e_fail "Banche.ini"
[[ ! -e $APP_DATA/Quendra1.ini ]] || e2e_fail "the first bank's layout file was written"
sed -n 4,5p "$APP_DATA/Quendra2.ini" | tr -d '\r' | paste -sd/ | grep -qx ' 585 / 1875 ' \
    || e2e_fail "the saved place is not at 585, 1875 twips: $(sed -n 4,5p "$APP_DATA/Quendra2.ini" | od -c)"

e2e_log "place dragged and saved"

# Back on the main window, bank Beta is the one selected.
win=$(app_main_window 30) || e2e_fail "the main window did not come back"
x_click "$win" "${LUOGO_XY[@]}" || e2e_fail "clicking into LUOGO failed"
fill_cheque "$win" "Milano" "12/03/2024" "20" "Mario Rossi" enter
print_job "$win" n 1

# The place: 23 + 1875 * 25.4 / 1440 mm across, 135 + 585 * 25.4 / 1440 down;
# the account number where the default layout puts it.
job_words 1
pdf_expect_word "$w" "Milano" 56.0729 145.3187 11 || e2e_fail "the place is not where the drag put it"
pdf_expect_word "$w" "222" 62.6875 182.625 11 || e2e_fail "the account number of bank Beta"
cmp -s "$APP_DATA/Quendra.ini" "$tmp/default.before" || e2e_fail "the default layout file changed"
[[ ! -e $APP_DATA/Quendra1.ini ]] || e2e_fail "the first bank's layout file was written"
close_program "$win"

# The next start preselects Beta: its account number is printed again.
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window at the second start"
fill_cheque "$win" "Roma" "" "" ""
print_job "$win" - 2
job_words 2
pdf_expect_word "$w" "Roma" 56.0729 145.3187 11 || e2e_fail "second start: the place"
pdf_expect_word "$w" "222" 62.6875 182.625 11 || e2e_fail "second start: bank Beta was not preselected"
close_program "$win"
e2e_log PASS
