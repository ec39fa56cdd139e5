#!/usr/bin/env bash
# A cheque for a bank of the archive, printed with that bank's own layout:
# at start the bank whose layout file was written last is selected and its
# account number shown; the print places every field by the bank's origin
# and positions (no comma after the figures), rewrites the bank's layout file
# with the place and account number, and answering No to the new payee
# question stores no payee. No default layout file appears, since a bank is
# current.
#
# Usage: print_cheque_bank.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/cups.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"
. "$here/lib/pdf.sh"
. "$here/lib/cheque.sh"

bin=${1:?usage: print_cheque_bank.sh QUENDRA-BINARY}
e2e_need_cmd pdftotext

e2e_mktemp tmp
cups_start "$tmp"
x_start "$tmp"

app_env "$tmp/bank"
mkdir -p "$APP_DATA"
# Bank ALFA, id 7: the name field is the name, 100 blanks and the id.
printf 'ALFA%100s7|1234/56\r\n' '' >"$APP_DATA/Banche.ini"
# Its layout, with blanks around some numbers as the program itself writes
# them: origin 1,5 cm and 2 cm, no comma after the figures. Lines 1 and 17
# hold an older place and account number, which the print replaces.
printf '%s\r\n' "Vecchia piazza" "1,5" " 2 " "300" "1000" "300" "4000" "300" "5500" \
    "300" "9000" "1200" "1500" "1800" "1500" "0" "vecchio conto" "2400" "6000" \
    >"$APP_DATA/Quendra7.ini"

app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window (see $APP_DIR/app.log)"
[[ ! -e $APP_DATA/Quendra.ini ]] || e2e_fail "start-up wrote a default layout file although bank 7 is current"

# The account number comes from the selected bank; nothing is typed there.
fill_cheque "$win" "Roma" "01/04/2024" "12.345" "Luigi Bianchi" enter
press_print "$win"
ask=$(x_wait_window 'ATTENZIONE' 30) || e2e_fail "no question for the new payee"
x_key "$ask" n || e2e_fail "could not answer No"
sel=$(x_wait_window 'Selezione Stampante' 30) || e2e_fail "no printer window after answering No"
x_key "$sel" Return || e2e_fail "could not confirm the printer"
cups_wait_job_file 1 60 || e2e_fail "no job arrived within 60 s (see $E2E_CUPS_DIR/log)"

# Origin 15 mm, 20 mm; a field at Top T, Left L twips lies at
# 15 + L*25.4/1440 mm from the left and 20 + T*25.4/1440 mm from the top.
# Figures at 5500 twips = 112.0139 mm: at 13 pt "1 2" is 1.390 em = 6.3747 mm,
# so "#1 2" starts at 112.0139 + 32 - 6.3747 = 137.6392 mm. The decimals
# "3 4" start at 9000 twips = 173.7500 mm and end at 180.1247 mm. 12,345
# has the decimals 34 (cut, not rounded) and the words DODICI / 345.
job_words 1
pdf_expect_word "$w" "Roma" 32.6389 25.2917 11 || e2e_fail "place"
pdf_expect_word "$w" "01/04/2024" 85.5556 25.2917 11 || e2e_fail "date"
pdf_expect_line "$w" 25.2917 13 "#1 2 3 4" 137.6392 180.1247 || e2e_fail "amount"
pdf_expect_word "$w" "#1" 137.6392 25.2917 13 || e2e_fail "amount in figures"
pdf_expect_word "$w" "3" 173.75 25.2917 13 || e2e_fail "decimals"
pdf_expect_line "$w" 41.1667 11 "DODICI / 345###" 41.4583 - || e2e_fail "amount in words"
pdf_expect_line "$w" 51.75 13 "Luigi Bianchi" 41.4583 - || e2e_fail "payee"
pdf_expect_word "$w" "1234/56" 120.8333 62.3333 11 || e2e_fail "account number"
(( $(pdf_word_count "$w") == 12 )) || { _pdf_dump "$w"; e2e_fail "the page holds more than the cheque's fields"; }

app_lines "$APP_DATA/Quendra7.ini" \
    "Roma" " 1,5 " " 2 " " 300 " " 1000 " " 300 " " 4000 " " 300 " " 5500 " \
    " 300 " " 9000 " " 1200 " " 1500 " " 1800 " " 1500 " " 0 " "1234/56" " 2400 " " 6000 " \
    || e2e_fail "Quendra7.ini after the print"
[[ ! -e $APP_DATA/Beneficiari.ini ]] || e2e_fail "answering No archived the payee"
[[ ! -e $APP_DATA/Quendra.ini ]] || e2e_fail "a default layout file appeared although bank 7 is current"
close_program "$win"
e2e_log PASS
