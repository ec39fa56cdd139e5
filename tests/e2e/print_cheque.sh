#!/usr/bin/env bash
# One cheque from the keyboard to the printer, as a user prints it: the real
# program under a private X server prints to a private CUPS whose raw queues
# save every job, and the saved PDF is read back with pdftotext.
#
#  1. Default layout, new payee, answer Sì, a place with a line break pasted
#     with the middle button: the payee is archived, the first printer of the
#     list (not the default one) gets a landscape page, every field is at its
#     place and size, the place is one line, and the layout file keeps place
#     and account number in its 19 lines.
#  2. Next start, same payee: no question; Annulla prints nothing and leaves
#     the layout file alone (bytes and write time); a print right after goes
#     through and stores the new place and an empty account number.
#
# Usage: print_cheque.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/cups.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"
. "$here/lib/pdf.sh"
. "$here/lib/cheque.sh"

bin=${1:?usage: print_cheque.sh QUENDRA-BINARY}
e2e_need_cmd pdftotext

e2e_mktemp tmp
cups_start "$tmp"
x_start "$tmp"

# --- 1: default layout, new payee archived, first printer ---------------------------
app_env "$tmp/one"
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window (see $APP_DIR/app.log)"

paste_place "$win" $'Roma\r\nMilano'
fill_cheque "$win" "" "12/03/2024" "1500.5" "Mario Rossi"
type_account "$win" "000123456789"
press_print "$win"

ask=$(x_wait_window 'ATTENZIONE' 30) || e2e_fail "no question titled ATTENZIONE for the new payee"
x_key "$ask" s || e2e_fail "could not answer Sì"
sel=$(x_wait_window 'Selezione Stampante' 30) || e2e_fail "no window titled 'Selezione Stampante'"
x_key "$sel" Return || e2e_fail "could not confirm the printer"
cups_wait_job_file 1 60 || e2e_fail "no job arrived within 60 s (see $E2E_CUPS_DIR/log)"

id=$(basename "$(cups_job_files | head -n 1)" .job)
[[ $(cups_job_queue "$id") == "$E2E_CUPS_QUEUE_A" ]] \
    || e2e_fail "the cheque went to '$(cups_job_queue "$id")', not to the first printer $E2E_CUPS_QUEUE_A"

# Default layout: origin 23 mm, 135 mm; a field at Top T, Left L twips lies at
# 23 + L*25.4/1440 mm from the left and 135 + T*25.4/1440 mm from the top.
# The figures start 32 mm minus the width of the spaced digits right of their
# place (6015 twips = 129.0979 mm); at 13 pt "1 5 0 0" is 4 digits of 0.556 em
# and 3 blanks of 0.278 em = 3.058 em = 14.0243 mm, so they start at
# 147.0736 mm. The decimals "5 0" (1.390 em = 6.3747 mm) start at 8070 twips =
# 165.3458 mm and so end at 171.7205 mm; the comma after the figures touches
# them, so pdftotext reads "0,5" as one word.
job_words 1
pdf_expect_landscape "$w" || e2e_fail "the cheque was not printed landscape"
pdf_expect_line "$w" 140.0271 11 "Roma Milano" 48.1354 - || e2e_fail "place"
pdf_expect_word "$w" "12/03/2024" 97.6125 139.7625 11 || e2e_fail "date"
pdf_expect_line "$w" 139.7625 13 "#1 5 0 0,5 0" 147.0736 171.7205 || e2e_fail "amount in figures"
pdf_expect_line "$w" 165.6917 11 "MILLECINQUECENTO / 50###" 60.0417 - || e2e_fail "amount in words"
pdf_expect_line "$w" 174.4229 13 "Mario Rossi" 62.6875 - || e2e_fail "payee"
pdf_expect_word "$w" "000123456789" 62.6875 182.625 11 || e2e_fail "account number"
(( $(pdf_word_count "$w") == 14 )) || { _pdf_dump "$w"; e2e_fail "the page holds more than the cheque's fields"; }

app_lines "$APP_DATA/Quendra.ini" \
    "Roma Milano" " 2,3 " " 13,5 " " 285 " " 1425 " " 270 " " 4230 " " 270 " " 6015 " \
    " 270 " " 8070 " " 1740 " " 2100 " " 2235 " " 2250 " " 1 " "000123456789" " 2700 " " 2250 " \
    || e2e_fail "Quendra.ini after the first print"
app_lines "$APP_DATA/Beneficiari.ini" "Mario Rossi" || e2e_fail "the payee was not archived"
x_wait_no_window 'Selezione Stampante' 30 || e2e_fail "printer window still open"
close_program "$win"
e2e_log "1: cheque on the first printer, fields in place, layout file and payee stored"

# --- 2: Annulla prints and writes nothing --------------------------------------------
cp -p "$APP_DATA/Quendra.ini" "$tmp/Quendra.ini.before"
stamp=$(stat -c %y "$APP_DATA/Quendra.ini")
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window at the second start"
fill_cheque "$win" "Torino" "13/03/2024" "20" "Mario Rossi" enter
press_print "$win"
# A known payee brings no question, so the printer window comes next.
sel=$(x_wait_window 'Selezione Stampante' 30) || e2e_fail "no printer window (a question for a known payee?)"
x_key "$sel" alt+a || e2e_fail "could not press Annulla"
x_wait_no_window 'Selezione Stampante' 30 || e2e_fail "Annulla did not close the printer window"

# The window is gone, but the print routine may not have returned yet. Once
# the next click has opened the printer window again it has, and the new
# run has not written anything yet: the moment to look.
press_print "$win"
sel=$(x_wait_window 'Selezione Stampante' 30) || e2e_fail "no printer window for the print after Annulla"
cmp -s "$APP_DATA/Quendra.ini" "$tmp/Quendra.ini.before" || e2e_fail "Annulla rewrote Quendra.ini"
[[ $(stat -c %y "$APP_DATA/Quendra.ini") == "$stamp" ]] || e2e_fail "Annulla touched Quendra.ini"
(( $(job_count) == 1 )) || e2e_fail "Annulla printed"

x_key "$sel" Return || e2e_fail "could not confirm the printer"
cups_wait_job_file 2 60 || e2e_fail "the print after Annulla did not arrive"
# Jobs are numbered in order, so a job of the cancelled print would be the
# second one and this print's the third.
(( $(job_count) == 2 )) || e2e_fail "more jobs than prints confirmed: $(cups_job_files)"

# "2 0" starts 32 - 6.3747 mm right of 129.0979 mm; no account number, as
# the field is empty.
job_words 2
pdf_expect_landscape "$w" || e2e_fail "the second cheque was not printed landscape"
pdf_expect_word "$w" "Torino" 48.1354 140.0271 11 || e2e_fail "place (2)"
pdf_expect_word "$w" "13/03/2024" 97.6125 139.7625 11 || e2e_fail "date (2)"
pdf_expect_line "$w" 139.7625 13 "#2 0,0 0" 154.7232 171.7205 || e2e_fail "amount in figures (2)"
pdf_expect_line "$w" 165.6917 11 "VENTI / 00###" 60.0417 - || e2e_fail "amount in words (2)"
pdf_expect_line "$w" 174.4229 13 "Mario Rossi" 62.6875 - || e2e_fail "payee (2)"
(( $(pdf_word_count "$w") == 10 )) || { _pdf_dump "$w"; e2e_fail "unexpected text on the second page"; }

app_lines "$APP_DATA/Quendra.ini" \
    "Torino" " 2,3 " " 13,5 " " 285 " " 1425 " " 270 " " 4230 " " 270 " " 6015 " \
    " 270 " " 8070 " " 1740 " " 2100 " " 2235 " " 2250 " " 1 " "" " 2700 " " 2250 " \
    || e2e_fail "Quendra.ini after the second print"
app_lines "$APP_DATA/Beneficiari.ini" "Mario Rossi" || e2e_fail "a known payee was archived again"
close_program "$win"
e2e_log "2: Annulla printed and wrote nothing; the next print did both"

e2e_log PASS
