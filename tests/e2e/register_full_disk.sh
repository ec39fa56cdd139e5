#!/usr/bin/env bash
# The cheque register on a full disk: a cheque printed while nothing more
# fits is still printed and the user is told; the rows written before stay
# whole. Needs root to mount a small tmpfs as the data folder's disk; skips
# otherwise.
#
# Usage: register_full_disk.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/cups.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"
. "$here/lib/pdf.sh"
. "$here/lib/cheque.sh"

bin=${1:?usage: register_full_disk.sh QUENDRA-BINARY}
e2e_need_cmd sqlite3
[[ $(id -u) == 0 ]] && command -v mount >/dev/null || e2e_skip "needs root to mount a small file system"

e2e_mktemp tmp
app_env "$tmp/full"
mkdir -p "$XDG_DATA_HOME"
mount -t tmpfs -o size=1m,mode=0700 tmpfs "$XDG_DATA_HOME" || e2e_skip "cannot mount a tmpfs"
e2e_on_exit "umount -l '$XDG_DATA_HOME'"
cups_start "$tmp"
x_start "$tmp"

print_one() {
    local place=$1 payee=$2 win ask sel
    app_start "$bin"
    win=$(app_main_window 60) || e2e_fail "no main window (see $APP_DIR/app.log)"
    fill_cheque "$win" "$place" "06/12/2026" "20" "$payee"
    press_print "$win"
    ask=$(x_wait_window 'ATTENZIONE' 30) || e2e_fail "no question for the new payee"
    x_key "$ask" n || e2e_fail "could not answer No"
    sel=$(x_wait_window 'Selezione Stampante' 30) || e2e_fail "no printer window"
    x_key "$sel" Return || e2e_fail "could not confirm the printer"
    x_wait_no_window 'Selezione Stampante' 30 || e2e_fail "printer window still open"
    WIN=$win
}

print_one "Roma" "Prima Riga"
cups_wait_job_file 1 60 || e2e_fail "the first cheque did not arrive"
close_program "$WIN"

dd if=/dev/zero of="$XDG_DATA_HOME/filler" bs=4k 2>/dev/null
print_one "Milano" "Disco Pieno"
# The layout file cannot be rewritten and the row cannot be written: both
# are told, in that order, and the page goes to the printer between them.
box=$(x_wait_window 'Quendra' 30) || e2e_fail "the full disk was not told"
x_key "$box" Return || e2e_fail "could not close the first notice"
cups_wait_job_file 2 60 || e2e_fail "the cheque was not printed on a full disk"
box=$(x_wait_window 'Quendra' 30) || e2e_fail "the row that could not be written was not told"
x_screenshot "$box" "$tmp/register-notice.png" || true
x_key "$box" Return || e2e_fail "could not close the register's notice"
close_program "$WIN"
rm "$XDG_DATA_HOME/filler"

[[ $(sqlite3 "$APP_DATA/Registro.sqlite" 'PRAGMA integrity_check') == ok ]] \
    || e2e_fail "the register fails SQLite's integrity check after the full disk"
[[ $(sqlite3 "$APP_DATA/Registro.sqlite" 'SELECT group_concat(payee) FROM cheques') == 'Prima Riga' ]] \
    || e2e_fail "rows after the full disk: $(sqlite3 "$APP_DATA/Registro.sqlite" 'SELECT payee FROM cheques')"
e2e_log "full disk: told, printed, the earlier row kept"

e2e_log PASS
