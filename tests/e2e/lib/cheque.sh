# Driving the main window through a cheque print. Source it after common.sh,
# cups.sh, x.sh, app.sh and pdf.sh; the caller sets tmp (its scratch folder).
#
#   fill_cheque WIN PLACE DATE AMOUNT PAYEE [enter]
#                        type the fields as a user does: LUOGO has the focus
#                        when the window opens and Enter walks on to the
#                        date, the amount and the payee
#   type_account WIN TEXT   click into NumCC and type TEXT
#   paste_place WIN TEXT middle-click TEXT into LUOGO from the X selection
#   press_print WIN      click the print button StampaAssegno
#   open_printers WIN ANSWER
#                        press_print, answer the new payee's question with
#                        ANSWER (s or n; - when none comes) and wait for the
#                        printer window: its id goes to $sel
#   print_job WIN ANSWER N
#                        open_printers, OK, and wait for the Nth saved job
#   close_program WIN    close the main window; the program must end with 0
#   job_words N          read the Nth saved job; its word list goes to $w
#   job_count            the number of saved jobs
#
# Pixel positions inside the main window's client area (15 twips a pixel):
# the centre of NumCC (6020,1440 size 1455x360 twips) and of StampaAssegno
# (6210,1890 size 1265x510), which has no caption to find it by.
NUMCC_XY=(450 108)
LUOGO_XY=(155 18)
PRINT_XY=(456 143)

# With "enter" last, Enter also ends the payee: it accepts the completed name
# and closes the drop-down list that typing opens once the archive has names
# (while that list is open, a click elsewhere only closes it).
fill_cheque() {
    local win=$1 place=$2 date=$3 amount=$4 payee=$5 end=${6:-}
    x_type "$win" "$place" && xdotool key Return \
        && xdotool type --delay 30 -- "$date" && xdotool key Return \
        && xdotool type --delay 30 -- "$amount" && xdotool key Return \
        && xdotool type --delay 30 -- "$payee" \
        || e2e_fail "typing into the main window failed"
    if [[ $end == enter ]]; then
        xdotool key Return || e2e_fail "pressing Enter after the payee failed"
    fi
}

type_account() {
    x_click "$1" "${NUMCC_XY[@]}" && xdotool type --delay 30 -- "$2" \
        || e2e_fail "typing the account number failed"
}

paste_place() {
    e2e_need_cmd xclip
    # xclip stays in the background as the selection's owner until the X
    # server goes.
    printf '%s' "$2" | xclip -selection primary -i || e2e_fail "could not set the X selection"
    x_focus "$1" && xdotool mousemove --window "$1" "${LUOGO_XY[@]}" click 2 \
        || e2e_fail "middle-clicking into LUOGO failed"
}

press_print() {
    x_click "$1" "${PRINT_XY[@]}" || e2e_fail "clicking the print button failed"
}

open_printers() {
    local win=$1 answer=$2 ask
    press_print "$win"
    if [[ $answer != - ]]; then
        ask=$(x_wait_window 'ATTENZIONE' 30) || e2e_fail "no question for the new payee"
        x_key "$ask" "$answer" || e2e_fail "could not answer the new payee's question"
    fi
    sel=$(x_wait_window 'Selezione Stampante' 30) || e2e_fail "no printer window"
}

print_job() {
    open_printers "$1" "$2"
    x_key "$sel" Return || e2e_fail "could not confirm the printer"
    cups_wait_job_file "$3" 60 || e2e_fail "job $3 did not arrive within 60 s (see $E2E_CUPS_DIR/log)"
}

close_program() {
    x_close "$1" || e2e_fail "could not ask the main window to close"
    app_wait_exit 30 || e2e_fail "program still running 30 s after its window was closed"
    (( APP_RC == 0 )) || e2e_fail "program ended with status $APP_RC"
}

job_words() {
    local n=$1 job
    job=$(cups_job_files | sed -n "${n}p")
    [[ -n $job ]] || e2e_fail "no job number $n"
    w=$tmp/job$n.words
    pdf_words "$job" "$w" || e2e_fail "job $n is not a one-page PDF"
}

job_count() { cups_job_files | wc -l; }
