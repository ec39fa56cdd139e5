#!/usr/bin/env bash
# The everyday slips that used to print a wrong cheque, made one after the
# other as a user makes them, under a private X server and a private CUPS.
#
# The program starts on a calibrated bank (its layout written last), the
# user picks the other bank, never calibrated, whose name holds a "/", types
# the amount the Italian way (1.500,50), middle-click pastes a payee that
# starts with a right-to-left override, clears the printer list's selection
# with Ctrl+Space while the other queue is the system's default, and presses
# Return. The job reaches the highlighted first printer; every field lands
# at the default layout's spot, not at the calibrated bank's; the amount
# reads 1500,50 in figures and in words; the account is the one stored; the
# payee reads left to right; and the bank's first layout file is a copy of
# the default with the place and account just used.
#
# Usage: everyday_cheque.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/cups.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"
. "$here/lib/pdf.sh"
. "$here/lib/cheque.sh"

bin=${1:?usage: everyday_cheque.sh QUENDRA-BINARY}
e2e_need_cmd pdftotext xclip

e2e_mktemp tmp
cups_start "$tmp"
x_start "$tmp"
app_env "$tmp/one"

# Bank 1 is calibrated with its origin 20 mm further right than the
# default's; bank 2 has no layout file. The default file is older, so the
# program starts on bank 1.
mkdir -p "$APP_DATA"
printf '%s%100s%s|%s\r\n' "Banca Tarata" "" 1 "000111" "BCC ROMA/AG. 12" "" 2 "4567/89" >"$APP_DATA/Banche.ini"
layout() {
    printf '%s\r\n' "" "$1" "13,5" 285 1425 270 4230 270 6015 270 8070 1740 2100 2235 2250 1 "" 2700 2250
}
layout "2,3" >"$APP_DATA/Quendra.ini"
layout "4,3" >"$APP_DATA/Quendra1.ini"
touch -d '2024-01-01 10:00' "$APP_DATA/Quendra.ini"
touch -d '2024-06-01 10:00' "$APP_DATA/Quendra1.ini"

app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window (see $APP_DIR/app.log)"

# From NumCC one Shift+Tab back is BANCA; Down picks the next bank without
# opening the list.
x_click "$win" "${NUMCC_XY[@]}" && x_key "$win" shift+Tab Down || e2e_fail "picking the second bank failed"
x_click "$win" "${LUOGO_XY[@]}" || e2e_fail "clicking into LUOGO failed"
fill_cheque "$win" "Roma" "12/03/2024" "1.500,50" ""
# The payee field has the focus after Enter in the amount: a middle click
# there pastes the X selection.
printf '\u202eMario Rossi' | xclip -selection primary -i || e2e_fail "could not set the X selection"
xdotool mousemove --window "$win" 243 78 click 2 || e2e_fail "middle-clicking into BENEFICIARIO failed"
press_print "$win"

ask=$(x_wait_window 'ATTENZIONE' 30) || e2e_fail "no question titled ATTENZIONE for the new payee"
x_key "$ask" n || e2e_fail "could not answer No"
sel=$(x_wait_window 'Selezione Stampante' 30) || e2e_fail "no window titled 'Selezione Stampante'"
x_key "$sel" ctrl+space Return || e2e_fail "could not clear the selection and confirm"
cups_wait_job_file 1 60 || e2e_fail "no job arrived within 60 s (see $E2E_CUPS_DIR/log)"

id=$(basename "$(cups_job_files | head -n 1)" .job)
[[ $(cups_job_queue "$id") == "$E2E_CUPS_QUEUE_A" ]] \
    || e2e_fail "the cheque went to '$(cups_job_queue "$id")', not to the highlighted $E2E_CUPS_QUEUE_A"

# The default layout's spots, as in print_cheque.sh: origin 23 mm, 135 mm.
job_words 1
pdf_expect_line "$w" 140.0271 11 "Roma" 48.1354 - || e2e_fail "place not at the default layout's spot"
pdf_expect_word "$w" "12/03/2024" 97.6125 139.7625 11 || e2e_fail "date"
pdf_expect_line "$w" 139.7625 13 "#1 5 0 0,5 0" 147.0736 171.7205 || e2e_fail "amount in figures"
pdf_expect_line "$w" 165.6917 11 "MILLECINQUECENTO / 50###" 60.0417 - || e2e_fail "amount in words"
pdf_expect_line "$w" 174.4229 13 "Mario Rossi" 62.6875 - || e2e_fail "payee, left to right"
pdf_expect_word "$w" "4567/89" 62.6875 182.625 11 || e2e_fail "account number as stored"
(( $(pdf_word_count "$w") == 13 )) || { _pdf_dump "$w"; e2e_fail "the page holds more than the cheque's fields"; }

app_lines "$APP_DATA/Quendra2.ini" \
    "Roma" " 2,3 " " 13,5 " " 285 " " 1425 " " 270 " " 4230 " " 270 " " 6015 " \
    " 270 " " 8070 " " 1740 " " 2100 " " 2235 " " 2250 " " 1 " "4567/89" " 2700 " " 2250 " \
    || e2e_fail "the new bank's first layout file is not the default's"
x_wait_no_window 'Selezione Stampante' 30 || e2e_fail "printer window still open"
close_program "$win"
e2e_log PASS
