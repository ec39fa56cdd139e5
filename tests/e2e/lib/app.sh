# Running the program under test. Source it after common.sh (and x.sh).
#
#   app_env DIR          make DIR/home the program's home: HOME, XDG_*_HOME
#                        and XDG_RUNTIME_DIR point into it, and the data
#                        folder is APP_DATA=$XDG_DATA_HOME/Quendra. CUPS_SERVER
#                        is left alone when set (a private cupsd is running),
#                        otherwise it names a socket that does not exist, so
#                        that no test ever reaches a real printer. The umask
#                        becomes 077.
#   app_start BIN        start BIN in the background, output to DIR/app.log;
#                        sets APP_PID. A program still running at exit is
#                        killed.
#   app_wait_exit T      wait up to T seconds for the program to end; sets
#                        APP_RC to its exit status (fails when it does not end)
#   app_main_window T    wait for the main window; prints its id
#   app_tree DIR         a listing of DIR: one line per entry with its type,
#                        size, permissions and write time to the nanosecond,
#                        to prove that nothing in DIR changed
#   app_lines FILE LINE... compare FILE with LINEs, each ended by CR LF, byte
#                        for byte (shows both on a difference)

APP_TITLE='Brentola - Quendra'
APP_PID=
APP_RC=

app_env() {
    local dir=$1
    APP_DIR=$dir
    export HOME=$dir/home
    export XDG_DATA_HOME=$HOME/.local/share
    export XDG_CONFIG_HOME=$HOME/.config
    export XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$dir/run
    # Folders a test makes in place of the program are private, as the
    # program makes them; otherwise it tells of them before its window.
    umask 077
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 0700 "$XDG_RUNTIME_DIR"
    APP_DATA=$XDG_DATA_HOME/Quendra
    export CUPS_SERVER=${CUPS_SERVER:-$dir/no-cups.sock}
    # The program sets its own Italian locale for numbers; the environment's
    # language must not matter, so run it under a neutral one.
    export LC_ALL=C.UTF-8 LANG=C.UTF-8
    unset LANGUAGE
    # No accessibility bus or session D-Bus in the test session.
    export NO_AT_BRIDGE=1
    export QT_QPA_PLATFORM=xcb
}

app_start() {
    local bin=$1
    [[ -x $bin ]] || e2e_fail "not an executable: $bin"
    "$bin" >>"$APP_DIR/app.log" 2>&1 &
    APP_PID=$!
    APP_RC=
    e2e_on_exit "_app_kill $APP_PID"
    e2e_log "started $(basename "$bin") ($APP_PID)"
}

app_wait_exit() {
    local timeout=$1
    e2e_wait "$timeout" _app_gone "$APP_PID" || return 1
    wait "$APP_PID"
    APP_RC=$?
    return 0
}

app_main_window() {
    x_wait_window "$APP_TITLE" "$1"
}

app_tree() {
    (cd "$1" && find . -printf '%p %y %s %m %T@\n' | LC_ALL=C sort)
}

app_lines() {
    local file=$1; shift
    local expected
    expected=$(mktemp "$APP_DIR/expected.XXXXXX")
    if (( $# > 0 )); then
        printf '%s\r\n' "$@" >"$expected"
    fi
    if ! cmp -s "$expected" "$file"; then
        e2e_log "$file differs; expected, then found (od -c):"
        od -c "$expected" >&2
        echo ---- >&2
        od -c "$file" >&2 2>&1
        rm -f "$expected"
        return 1
    fi
    rm -f "$expected"
}

_app_gone() { ! kill -0 "$1" 2>/dev/null; }

_app_kill() {
    local pid=$1
    kill -0 "$pid" 2>/dev/null || return 0
    e2e_log "program $pid still running at exit; killing it"
    kill -TERM "$pid" 2>/dev/null
    e2e_wait 10 _app_gone "$pid" || kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}
