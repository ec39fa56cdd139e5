#!/usr/bin/env bash
# The cheque register from the printer to the command line: two cheques
# printed through the private CUPS and one print cancelled, each in a run of
# its own, then `quendra --registro-csv FILE` with no window: a header and
# exactly the two cheques, oldest first, and a database SQLite finds whole.
# Then the register window, opened by its button and by Ctrl+R: Ristampa
# fills the main window from the newest cheque, which prints a third.
#
# Usage: cheque_register.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/cups.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"
. "$here/lib/pdf.sh"
. "$here/lib/cheque.sh"

bin=${1:?usage: cheque_register.sh QUENDRA-BINARY}
e2e_need_cmd sqlite3

e2e_mktemp tmp
cups_start "$tmp"
x_start "$tmp"
app_env "$tmp/one"

# One run: the fields typed, a new payee not archived, then the printer
# window answered with KEY (Return prints, alt+a is Annulla).
one_cheque() {
    local place=$1 date=$2 amount=$3 payee=$4 key=$5 win ask sel
    app_start "$bin"
    win=$(app_main_window 60) || e2e_fail "no main window (see $APP_DIR/app.log)"
    fill_cheque "$win" "$place" "$date" "$amount" "$payee"
    open_printers "$win" n
    x_key "$sel" "$key" || e2e_fail "could not answer the printer window"
    x_wait_no_window 'Selezione Stampante' 30 || e2e_fail "printer window still open"
    # Closing waits for the print routine, and so for its row.
    close_program "$win"
}

one_cheque "Roma" "01/12/2026" "20" "Anna Bianchi" Return
cups_wait_job_file 1 60 || e2e_fail "the first cheque did not arrive"
one_cheque "Milano" "02/12/2026" "1.500,50" "Verdi; Carlo & C." Return
cups_wait_job_file 2 60 || e2e_fail "the second cheque did not arrive"
one_cheque "Torino" "03/12/2026" "7" "Mai Stampato" alt+a
(( $(job_count) == 2 )) || e2e_fail "Annulla printed"
e2e_log "two cheques printed, one print cancelled"

# No display is needed for the export.
csv=$tmp/registro.csv
env -u DISPLAY "$bin" --registro-csv "$csv" >"$tmp/export.out" 2>&1
rc=$?
(( rc == 0 )) || e2e_fail "--registro-csv ended with $rc: $(cat "$tmp/export.out")"
[[ ! -s $tmp/export.out ]] || e2e_fail "--registro-csv said something: $(cat "$tmp/export.out")"

[[ $(head -c 3 "$csv" | od -An -tx1 | tr -d ' ') == efbbbf ]] || e2e_fail "no UTF-8 byte-order mark"
mapfile -t lines < <(tail -c +4 "$csv" | tr -d '\r')
(( ${#lines[@]} == 3 )) || e2e_fail "expected a header and two cheques, got: $(cat "$csv")"
[[ ${lines[0]} == 'Stampato il;Banca;Conto;Luogo;Data;Importo;Importo in lettere;Beneficiario;'* ]] \
    || e2e_fail "header: ${lines[0]}"
IFS=';' read -r -a first <<<"${lines[1]}"
[[ ${first[3]} == Roma && ${first[4]} == 01/12/2026 && ${first[5]} == 20,00 && ${first[6]} == 'VENTI / 00' \
   && ${first[7]} == 'Anna Bianchi' ]] || e2e_fail "first cheque: ${lines[1]}"
[[ ${lines[2]} == *';Milano;02/12/2026;1500,50;MILLECINQUECENTO / 50;"Verdi; Carlo & C.";'* ]] \
    || e2e_fail "second cheque: ${lines[2]}"
grep -q 'Mai Stampato' "$csv" && e2e_fail "the cancelled print was recorded"

[[ $(sqlite3 "$APP_DATA/Registro.sqlite" 'PRAGMA integrity_check') == ok ]] \
    || e2e_fail "the register fails SQLite's integrity check"
[[ $(sqlite3 "$APP_DATA/Registro.sqlite" 'PRAGMA user_version') == 1 ]] || e2e_fail "no schema version"
e2e_log "export: header and the two cheques; the database is whole"

# The register window from the visible button and from Ctrl+R; Ristampa
# fills the main window with the newest cheque, and printing it is a third.
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window for the register"
x_click "$win" 372 18 || e2e_fail "clicking the register button failed"
reg=$(x_wait_window 'Registro assegni' 30) || e2e_fail "the register button opened no register window"
x_key "$reg" Escape || e2e_fail "could not close the register window"
x_wait_no_window 'Registro assegni' 30 || e2e_fail "Escape did not close the register window"
x_key "$win" ctrl+r || e2e_fail "could not press Ctrl+R"
reg=$(x_wait_window 'Registro assegni' 30) || e2e_fail "Ctrl+R opened no register window"
x_key "$reg" alt+r || e2e_fail "could not press Ristampa"
x_wait_no_window 'Registro assegni' 30 || e2e_fail "Ristampa did not close the register window"
print_job "$win" n 3
close_program "$win"
job_words 3
pdf_expect_line "$w" 165.6917 11 "MILLECINQUECENTO / 50###" 60.0417 - || e2e_fail "the reprint's amount in words"
env -u DISPLAY "$bin" --registro-csv "$csv" || e2e_fail "the second export failed"
mapfile -t lines < <(tail -c +4 "$csv" | tr -d '\r')
(( ${#lines[@]} == 4 )) || e2e_fail "expected three cheques after the reprint, got: $(cat "$csv")"
[[ ${lines[3]} == *';Milano;02/12/2026;1500,50;MILLECINQUECENTO / 50;"Verdi; Carlo & C.";'* ]] \
    || e2e_fail "reprinted cheque: ${lines[3]}"
e2e_log "register window from its button and Ctrl+R; Ristampa printed the same cheque again"

# Exporting from a data folder with no register yet makes none.
env -u DISPLAY XDG_DATA_HOME="$tmp/empty" "$bin" --registro-csv "$tmp/empty.csv" \
    || e2e_fail "--registro-csv without a register failed"
(( $(wc -l <"$tmp/empty.csv") == 1 )) || e2e_fail "an empty register is more than its header"
[[ ! -e $tmp/empty/Quendra/Registro.sqlite ]] || e2e_fail "exporting made a register"
env -u DISPLAY "$bin" --registro-csv "$tmp/no/such/folder.csv" 2>"$tmp/err.out" && e2e_fail "an unwritable file exported"
grep -q 'non si può scrivere' "$tmp/err.out" || e2e_fail "no Italian message: $(cat "$tmp/err.out")"

e2e_log PASS
