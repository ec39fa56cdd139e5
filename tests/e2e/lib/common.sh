# Shared helpers for the whole-program tests. Source it; it defines functions
# and sets nothing else.
#
#   e2e_log MSG...          progress line on stderr, prefixed with the test name
#   e2e_fail MSG...         report a failure and exit 1 (the EXIT traps clean up)
#   e2e_skip MSG...         report a skip and exit 77 (ctest SKIP_RETURN_CODE)
#   e2e_wait TIMEOUT CMD... run CMD every 0.1 s until it succeeds; fails after
#                           TIMEOUT seconds. Waiting by polling keeps the tests
#                           independent of how fast the machine is.
#   e2e_need_cmd CMD...     skip the test when a tool is missing
#   e2e_on_exit CMD         add CMD to the commands run at exit (last added
#                           runs first), so every started service is stopped
#                           also when an assertion fails half-way
#   e2e_mktemp VAR          make a scratch folder, removed at exit, path in VAR

E2E_NAME=${E2E_NAME:-$(basename "$0" .sh)}

e2e_log() { printf '[%s %3ds] %s\n' "$E2E_NAME" "$SECONDS" "$*" >&2; }

e2e_fail() {
    printf '[%s %3ds] FAIL: %s\n' "$E2E_NAME" "$SECONDS" "$*" >&2
    exit 1
}

e2e_skip() {
    printf '[%s %3ds] SKIP: %s\n' "$E2E_NAME" "$SECONDS" "$*" >&2
    exit 77
}

e2e_need_cmd() {
    local c
    for c in "$@"; do
        command -v "$c" >/dev/null 2>&1 || e2e_skip "missing tool: $c"
    done
}

# Deadline arithmetic in tenths of a second from a counter rather than the
# clock: "date +%s%N" is GNU-only and SECONDS has whole-second resolution.
e2e_wait() {
    local timeout=$1; shift
    local ticks=$(( timeout * 10 ))
    while (( ticks > 0 )); do
        "$@" && return 0
        sleep 0.1
        ticks=$(( ticks - 1 ))
    done
    "$@"
}

_E2E_EXIT_CMDS=()
_e2e_run_exit_cmds() {
    local rc=$? i
    for (( i = ${#_E2E_EXIT_CMDS[@]} - 1; i >= 0; i-- )); do
        eval "${_E2E_EXIT_CMDS[i]}" || true
    done
    exit "$rc"
}
e2e_on_exit() {
    _E2E_EXIT_CMDS+=("$1")
    trap _e2e_run_exit_cmds EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

# e2e_mktemp VAR: make a private scratch folder and store its path in VAR.
# The folder is removed at exit unless E2E_KEEP is set (then its path is
# printed, to look at the logs after a failure). It sets a variable instead of
# printing the path because the exit hook must be registered in this shell,
# not in a command substitution's subshell.
e2e_mktemp() {
    local _d
    _d=$(mktemp -d "${TMPDIR:-/tmp}/quendra-e2e.XXXXXX") || e2e_fail "mktemp failed"
    e2e_on_exit "_e2e_rm_tmp '$_d'"
    printf -v "$1" '%s' "$_d"
}
_e2e_rm_tmp() {
    if [[ -n ${E2E_KEEP:-} ]]; then
        e2e_log "kept $1"
    else
        rm -rf -- "$1"
    fi
}
