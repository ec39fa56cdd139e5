# A private X display (Xvfb, no window manager) and helpers to drive the
# program in it with xdotool. Source it after common.sh.
#
#   x_start [DIR]             start Xvfb on a free display, 1024x768x24; its
#                             log goes to DIR (a scratch folder is made when
#                             DIR is omitted). Exports DISPLAY. Registers
#                             x_stop at exit.
#   x_stop                    stop it (safe to call twice)
#   x_wait_window REGEX T     wait up to T seconds for a mapped window whose
#                             whole title matches the extended REGEX; prints
#                             its id
#   x_wait_no_window REGEX T  wait until no such window is mapped any more
#   x_focus WIN               give WIN the keyboard focus
#   x_type WIN TEXT           focus WIN and type TEXT
#   x_key WIN KEY...          focus WIN and press keys (xdotool names:
#                             Return, Escape, Tab, alt+a, ...)
#   x_click WIN X Y           left click at pixel X,Y of WIN's client area
#   x_geometry WIN            prints "X Y W H" of WIN on the screen
#   x_screenshot WIN FILE     save a PNG of WIN alone
#   x_close WIN               ask WIN to close, as a window manager's close
#                             button would (needs E2E_WMDELETE, the helper
#                             built from wmdelete.cpp)
#
# Without a window manager a top-level window has no frame, so its origin is
# the origin of its client area and its size the client size. Keys go to the
# window with the input focus; nobody moves the focus for us, hence every
# input helper focuses its window first.
#
# Xvfb listens only on the abstract local socket (-nolisten unix/tcp): nothing
# is created under /tmp/.X11-unix, and -displayfd lets the server itself pick
# a display number that no other server uses.

_E2E_XVFB_PID=

x_start() {
    local dir=${1:-} n
    e2e_need_cmd Xvfb xdotool
    if [[ -z $dir ]]; then
        e2e_mktemp dir
    fi
    : >"$dir/xvfb.display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -nolisten unix \
        -noreset 3>"$dir/xvfb.display" 2>"$dir/xvfb.log" &
    _E2E_XVFB_PID=$!
    e2e_on_exit x_stop
    _E2E_XVFB_DIR=$dir
    # The display number arrives on the descriptor, ended by a newline, once
    # the server accepts clients.
    e2e_wait 30 _x_display_known \
        || { tail -n 20 "$dir/xvfb.log" >&2; e2e_fail "Xvfb did not start"; }
    n=$(head -n 1 "$dir/xvfb.display")
    export DISPLAY=:$n
    unset XAUTHORITY
    e2e_wait 30 _x_answers || e2e_fail "display $DISPLAY does not answer"
    e2e_log "Xvfb $_E2E_XVFB_PID on $DISPLAY"
}

x_stop() {
    local pid=$_E2E_XVFB_PID
    [[ -n $pid ]] || return 0
    _E2E_XVFB_PID=
    kill -TERM "$pid" 2>/dev/null || return 0
    if ! e2e_wait 20 _x_gone "$pid"; then
        kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null
    return 0
}

x_wait_window() {
    local regex=$1 timeout=$2
    if ! e2e_wait "$timeout" _x_find_window "$regex" >/dev/null; then
        e2e_log "no window titled /^($regex)\$/ after $timeout s; the mapped windows are:"
        x_list_windows >&2
        return 1
    fi
    _x_find_window "$regex"
}

x_wait_no_window() {
    local regex=$1 timeout=$2
    e2e_wait "$timeout" _x_no_window "$regex"
}

x_focus() {
    xdotool windowraise "$1" windowfocus --sync "$1"
}

x_type() {
    x_focus "$1" || return 1
    # A small delay per key: Qt reads the keys from the event queue one by
    # one, and some fields react to each key (completion, amount in words).
    xdotool type --delay 30 -- "$2"
}

x_key() {
    local win=$1; shift
    x_focus "$win" || return 1
    xdotool key --delay 50 -- "$@"
}

x_click() {
    local win=$1 x=$2 y=$3
    # No --sync: it waits for the pointer to move and hangs (15 s) when the
    # pointer is already there. The server applies the motion before the
    # click anyway, both coming from one connection.
    xdotool mousemove --window "$win" "$x" "$y" click 1
}

x_geometry() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=[0-9]+$')"
    printf '%s %s %s %s\n' "$X" "$Y" "$WIDTH" "$HEIGHT"
}

x_screenshot() {
    e2e_need_cmd import
    import -window "$1" "png:$2"
}

x_close() {
    [[ -n ${E2E_WMDELETE:-} && -x ${E2E_WMDELETE:-} ]] \
        || e2e_fail "x_close needs E2E_WMDELETE (the e2e_wmdelete helper)"
    "$E2E_WMDELETE" "$1"
}

# --- internals ---------------------------------------------------------------

_x_display_known() { grep -q '^[0-9][0-9]*$' "$_E2E_XVFB_DIR/xvfb.display"; }
_x_answers() { xdotool getdisplaygeometry >/dev/null 2>&1; }
_x_gone() { ! kill -0 "$1" 2>/dev/null; }

# The title is the one a window manager shows: getwindowname reads
# _NET_WM_NAME before WM_NAME. "xdotool search --name" is no help here: it
# also accepts a match in WM_NAME, where Qt puts the bare title, while the
# shown title may carry more (Qt appends " — " and the application display
# name to a title that does not end with it). The whole title must match, so
# that "Quendra" does not find "Brentola - Quendra".
_x_find_window() {
    local id name re="^($1)\$"
    for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
        name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        if [[ $name =~ $re ]]; then
            printf "%s\n" "$id"
            return 0
        fi
    done
    return 1
}
_x_no_window() { ! _x_find_window "$1" >/dev/null; }

# Every mapped window with its id and title, for failure reports.
x_list_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        printf '    %s "%s"\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
}
