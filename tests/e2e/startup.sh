#!/usr/bin/env bash
# The program's start-up as a user meets it, under a private X server:
#  1. first start on an empty home: the main window opens and the data folder
#     holds exactly the default layout file, byte for byte;
#  2. closing the window ends the program normally;
#     under the umask 022 the folder is still 0700 and the file 0600;
#  3. a second start writes nothing (same bytes, same write times);
#  4. a copy started while another runs says so and ends; after the running
#     copy is killed with SIGKILL a new copy starts normally;
#  5. a data folder that cannot be created: an error box, a non-zero exit
#     status, and nothing written anywhere in the home.
# Usage: startup.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"

bin=${1:?usage: startup.sh QUENDRA-BINARY}

e2e_mktemp tmp
x_start "$tmp"

# --- first start -------------------------------------------------------------
app_env "$tmp/first"
[[ ! -e $XDG_DATA_HOME ]] || e2e_fail "scratch home is not empty"

umask 022
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no window titled '$APP_TITLE' (see $APP_DIR/app.log)"

ini=$APP_DATA/Quendra.ini
[[ -f $ini ]] || e2e_fail "first start did not create $ini"
app_lines "$ini" \
    "" "2,3" "13,5" "285" "1425" "270" "4230" "270" "6015" "270" "8070" \
    "1740" "2100" "2235" "2250" "1" "" "2700" "2250" \
    || e2e_fail "default layout file has the wrong bytes"
found=$(cd "$APP_DATA" && echo $(ls -A))
[[ $found == "Quendra.ini" ]] || e2e_fail "first start left more than the layout file in the data folder: $found"
modes=$(stat -c '%a' "$APP_DATA" "$ini" | tr '\n' ' ')
[[ $modes == "700 600 " ]] || e2e_fail "under the umask 022 the data folder and its file have the modes $modes"

x_close "$win" || e2e_fail "could not ask the main window to close"
app_wait_exit 30 || e2e_fail "program still running 30 s after its window was closed"
(( APP_RC == 0 )) || e2e_fail "closing the main window ended the program with status $APP_RC"
e2e_log "first start: default layout written, private, window closed, status 0"

# --- second start ------------------------------------------------------------
before=$(app_tree "$HOME")
cp "$ini" "$tmp/Quendra.ini.first"
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window at the second start"
x_close "$win" || e2e_fail "could not ask the main window to close"
app_wait_exit 30 || e2e_fail "program still running 30 s after its window was closed"
(( APP_RC == 0 )) || e2e_fail "second run ended with status $APP_RC"
after=$(app_tree "$HOME")
cmp -s "$ini" "$tmp/Quendra.ini.first" || e2e_fail "second start changed Quendra.ini"
if [[ $before != "$after" ]]; then
    diff <(printf '%s\n' "$before") <(printf '%s\n' "$after") >&2
    e2e_fail "second start changed the home folder (listing above: name type size mode mtime)"
fi
e2e_log "second start: nothing written"

# --- two copies ----------------------------------------------------------------
app_start "$bin"
first=$APP_PID
app_main_window 60 >/dev/null || e2e_fail "no main window for the first copy"
app_start "$bin"
box=$(x_wait_window 'Quendra' 60) || e2e_fail "the second copy did not say that one is running"
x_key "$box" Return || e2e_fail "could not press Enter in the message box"
app_wait_exit 30 || e2e_fail "the second copy did not end"
(( APP_RC == 0 )) || e2e_fail "the second copy ended with status $APP_RC"
kill -0 "$first" 2>/dev/null || e2e_fail "the first copy ended when the second started"
kill -KILL "$first"
wait "$first" 2>/dev/null
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "a killed copy's lock kept the next copy out"
x_close "$win" || e2e_fail "could not ask the main window to close"
app_wait_exit 30 || e2e_fail "program still running 30 s after its window was closed"
e2e_log "two copies: the second refused, the lock of a killed copy taken over"

# --- a data folder that cannot be created -------------------------------------
# A path below a regular file cannot become a folder, whoever asks (root too).
app_env "$tmp/blocked"
printf 'not a folder\n' >"$HOME/blocker"
export XDG_DATA_HOME=$HOME/blocker/share
APP_DATA=$XDG_DATA_HOME/Quendra
before=$(app_tree "$HOME")

app_start "$bin"
box=$(x_wait_window 'Quendra' 60) || e2e_fail "no message box titled 'Quendra' (see $APP_DIR/app.log)"
if _x_find_window "$APP_TITLE" >/dev/null; then
    e2e_fail "the main window is shown although the data folder is missing"
fi
x_screenshot "$box" "$tmp/blocked-box.png" || true
x_key "$box" Return || e2e_fail "could not press Enter in the message box"
app_wait_exit 30 || e2e_fail "program still running after the error box was dismissed"
(( APP_RC != 0 )) || e2e_fail "program ended with status 0 after failing to create its data folder"
after=$(app_tree "$HOME")
if [[ $before != "$after" ]]; then
    diff <(printf '%s\n' "$before") <(printf '%s\n' "$after") >&2
    e2e_fail "the failed start wrote into the home folder"
fi
e2e_log "blocked data folder: error box, status $APP_RC, nothing written"

e2e_log PASS
