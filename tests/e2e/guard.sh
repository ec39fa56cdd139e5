#!/usr/bin/env bash
# What the one-copy guard and the end of the program leave behind:
#  1. whatever an older copy left as Quendra.lock (empty, garbage, another
#     computer's, a folder, a dangling link) keeps nobody out;
#  2. a save cut short by a crash leaves a temporary copy: the next start
#     removes it, and nothing else;
#  3. SIGTERM, SIGINT and SIGHUP end the program as closing its window does,
#     also with the bank list open over the hidden main window;
#  4. a data folder open to others is told about once and left as it is;
#  5. as root: a data folder on a full disk at the first start, then space
#     freed: a second copy is still refused (its knock reaching the first
#     copy is tst_singleinstance's to show).
# Usage: guard.sh QUENDRA-BINARY   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"

bin=${1:?usage: guard.sh QUENDRA-BINARY}

e2e_mktemp tmp
x_start "$tmp"
app_env "$tmp/one"

start_and_close() {
    app_start "$bin"
    local win
    win=$(app_main_window 60) || e2e_fail "no main window $1 (see $APP_DIR/app.log)"
    x_close "$win" || e2e_fail "could not ask the main window to close"
    app_wait_exit 30 || e2e_fail "program still running 30 s after its window was closed"
    (( APP_RC == 0 )) || e2e_fail "program ended with status $APP_RC $1"
}

# --- leftover locks ------------------------------------------------------------
start_and_close "at the first start"
for kind in empty garbage other-host folder dangling-link; do
    lock=$APP_DATA/Quendra.lock
    case $kind in
        empty) : >"$lock" ;;
        garbage) head -c 300 /dev/urandom >"$lock" ;;
        other-host) printf '4242\nquendra\nvecchio-pc\n' >"$lock" ;;
        folder) mkdir "$lock" ;;
        dangling-link) ln -s "$tmp/nowhere" "$lock" ;;
    esac
    start_and_close "with a leftover lock ($kind)"
    [[ ! -e $lock && ! -L $lock ]] || e2e_fail "the leftover lock ($kind) is still there"
done
e2e_log "leftover locks of every kind taken over"

# --- temporaries of a cut save ------------------------------------------------
printf 'x\r\n' >"$APP_DATA/Quendra1.ini.Ab3dE9"
printf 'x\r\n' >"$APP_DATA/Banche.ini.q0W9eR"
printf 'x\r\n' >"$APP_DATA/Quendra1.ini.bak"
start_and_close "with leftovers of a cut save"
found=$(cd "$APP_DATA" && echo $(ls -A))
[[ $found == "Quendra.ini Quendra1.ini.bak" ]] || e2e_fail "after the start the data folder holds: $found"
e2e_log "leftovers of cut saves removed, other files kept"

# --- termination signals --------------------------------------------------------
clean=$(app_tree "$HOME" | cut -d' ' -f1-4; ls -A "$XDG_RUNTIME_DIR")
for sig in TERM INT HUP; do
    app_start "$bin"
    app_main_window 60 >/dev/null || e2e_fail "no main window before SIG$sig"
    kill -"$sig" "$APP_PID"
    app_wait_exit 30 || e2e_fail "program still running 30 s after SIG$sig"
    (( APP_RC == 0 )) || e2e_fail "SIG$sig ended the program with status $APP_RC"
    after=$(app_tree "$HOME" | cut -d' ' -f1-4; ls -A "$XDG_RUNTIME_DIR")
    [[ $after == "$clean" ]] || e2e_fail "SIG$sig left another data folder than a clean close:
$after
instead of
$clean"
done
e2e_log "SIGTERM, SIGINT and SIGHUP end the program as a closed window does"

# The bank list runs its own event loop over the hidden main window: the
# signal must close it first, then the program.
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window before opening the bank list"
x_click "$win" 456 176 || e2e_fail "clicking CALIBRAZIONE failed"
x_wait_window 'BANCHE' 30 >/dev/null || e2e_fail "no bank list window"
kill -TERM "$APP_PID"
app_wait_exit 30 || e2e_fail "program still running 30 s after SIGTERM over the bank list"
(( APP_RC == 0 )) || e2e_fail "SIGTERM over the bank list ended the program with status $APP_RC"
after=$(app_tree "$HOME" | cut -d' ' -f1-4; ls -A "$XDG_RUNTIME_DIR")
[[ $after == "$clean" ]] || e2e_fail "SIGTERM over the bank list left another data folder:
$after
instead of
$clean"
e2e_log "SIGTERM with the bank list open: bank list, then the program closed"

# --- a folder open to others -----------------------------------------------------
app_env "$tmp/open"
mkdir -p "$APP_DATA"
chmod 0755 "$APP_DATA"
app_start "$bin"
box=$(x_wait_window 'Quendra' 60) || e2e_fail "a data folder open to others was not told about"
x_key "$box" Return || e2e_fail "could not press Enter in the message box"
win=$(app_main_window 60) || e2e_fail "no main window after the notice"
x_close "$win" || e2e_fail "could not ask the main window to close"
app_wait_exit 30 || e2e_fail "program still running 30 s after its window was closed"
[[ $(stat -c %a "$APP_DATA") == 755 ]] || e2e_fail "the folder's mode was changed to $(stat -c %a "$APP_DATA")"
# The notice is shown before the main window: a window at once means none.
start_and_close "at the second start on a folder open to others"
e2e_log "folder open to others: told once, left 0755"

# --- a full disk at the first start --------------------------------------------
if [[ $(id -u) != 0 ]] || ! command -v mount >/dev/null; then
    e2e_log "full disk: needs root to mount a small file system, left out"
    e2e_log PASS
    exit 0
fi
app_env "$tmp/full"
mkdir -p "$XDG_DATA_HOME"
mount -t tmpfs -o size=256k tmpfs "$XDG_DATA_HOME" || e2e_skip "cannot mount a tmpfs"
e2e_on_exit "umount -l '$XDG_DATA_HOME'"
dd if=/dev/zero of="$XDG_DATA_HOME/filler" bs=4k 2>/dev/null
app_start "$bin"
first=$APP_PID
box=$(x_wait_window 'Quendra' 60) || e2e_fail "a full disk at the first start was not told"
x_screenshot "$box" "$tmp/full-box.png" || true
x_key "$box" Return || e2e_fail "could not press Enter in the message box"
win=$(app_main_window 60) || e2e_fail "no main window on a full disk (see $APP_DIR/app.log)"
rm "$XDG_DATA_HOME/filler"
app_start "$bin"
box=$(x_wait_window 'Quendra' 60) || e2e_fail "the second copy did not say that one is running"
x_key "$box" Return || e2e_fail "could not press Enter in the message box"
app_wait_exit 30 || e2e_fail "the second copy did not end"
(( APP_RC == 0 )) || e2e_fail "the second copy ended with status $APP_RC"
kill -0 "$first" 2>/dev/null || e2e_fail "the first copy ended when the second started"
x_close "$win"
e2e_log "full disk at the first start: a second copy still refused"

e2e_log PASS
