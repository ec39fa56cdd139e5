#!/usr/bin/env bash
# A printer's paper correction, set by keyboard in the printer window and
# kept for that printer: the real program prints to a private CUPS.
#
#  1. A cheque on the first queue with no correction: the reference page.
#  2. The same cheque again; in the printer window Tab to the correction
#     boxes, type +1,5 and -2,0 mm, Enter: Stampanti.ini holds the queue's
#     line, and every word of the page lies 1,5 mm further right and 2 mm
#     higher than on the reference page (within 0.1 mm).
#  3. After a restart the window shows the kept correction and OK alone
#     prints the page moved the same way.
#
# Usage: printer_offset.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/cups.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"
. "$here/lib/pdf.sh"
. "$here/lib/cheque.sh"

bin=${1:?usage: printer_offset.sh QUENDRA-BINARY}
e2e_need_cmd pdftotext

# moved_by REFERENCE WORDS DX DY: the same words, each moved by DX, DY mm.
moved_by() {
    local ref=$1 got=$2 dx=$3 dy=$4
    if (( $(pdf_word_count "$ref") == $(pdf_word_count "$got") )) \
        && paste -d' ' "$ref" "$got" | awk -v dx="$dx" -v dy="$dy" '
            function abs(v) { return v < 0 ? -v : v }
            $6 != $12 || abs($7 - $1 - dx) > 0.1 || abs($8 - $2 - dy) > 0.1 { bad = 1; print "    moved wrong: " $0 > "/dev/stderr" }
            END { exit bad }'; then
        return 0
    fi
    e2e_log "the page is not the reference page moved by $dx, $dy mm; reference, then found:"
    _pdf_dump "$ref"
    _pdf_dump "$got"
    return 1
}

e2e_mktemp tmp
cups_start "$tmp"
x_start "$tmp"

# --- 1: the reference page ------------------------------------------------------------
app_env "$tmp/one"
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window (see $APP_DIR/app.log)"
fill_cheque "$win" "Roma" "12/03/2024" "1500" "Mario Rossi"
type_account "$win" "000123456789"
print_job "$win" s 1
[[ ! -e $APP_DATA/Stampanti.ini ]] || e2e_fail "OK with no correction typed wrote Stampanti.ini"
job_words 1
reference=$w
(( $(pdf_word_count "$reference") == 13 )) || { _pdf_dump "$reference"; e2e_fail "the reference page lacks fields"; }
e2e_log "1: reference cheque printed"

# --- 2: the correction typed -------------------------------------------------------------
x_wait_no_window 'Selezione Stampante' 30 || e2e_fail "printer window still open"
open_printers "$win" -
# The list has the focus; Tab reaches the horizontal box, then the vertical.
x_key "$sel" Tab ctrl+a && xdotool type --delay 30 -- "+1,5" \
    && xdotool key --delay 50 Tab ctrl+a && xdotool type --delay 30 -- "-2.0" \
    && xdotool key Return || e2e_fail "typing the correction failed"
cups_wait_job_file 2 60 || e2e_fail "the corrected print did not arrive"
app_lines "$APP_DATA/Stampanti.ini" "$E2E_CUPS_QUEUE_A|1,5|-2,0" || e2e_fail "Stampanti.ini"
id=$(basename "$(cups_job_files | sed -n 2p)" .job)
[[ $(cups_job_queue "$id") == "$E2E_CUPS_QUEUE_A" ]] || e2e_fail "the corrected cheque went to another queue"
job_words 2
moved_by "$reference" "$w" 1.5 -2.0 || e2e_fail "the corrected cheque is not moved by +1,5 / -2,0 mm"
x_wait_no_window 'Selezione Stampante' 30 || e2e_fail "printer window still open"
close_program "$win"
e2e_log "2: correction typed, kept and applied"

# --- 3: kept across a restart --------------------------------------------------------------
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window at the second start"
fill_cheque "$win" "Roma" "12/03/2024" "1500" "Mario Rossi" enter
type_account "$win" "000123456789"
print_job "$win" - 3
job_words 3
moved_by "$reference" "$w" 1.5 -2.0 || e2e_fail "the kept correction was not applied after a restart"
app_lines "$APP_DATA/Stampanti.ini" "$E2E_CUPS_QUEUE_A|1,5|-2,0" || e2e_fail "OK unchanged rewrote Stampanti.ini"
close_program "$win"
e2e_log "3: the kept correction applied after a restart"

e2e_log PASS
