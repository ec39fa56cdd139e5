#!/usr/bin/env bash
# CPU time the program uses while it sits idle with the banner running:
# starts it under a private Xvfb, lets it settle, then reads its user and
# system time from /proc before and after a quiet spell and prints a table.
# Usage: idle_cpu.sh QUENDRA-BINARY [SECONDS]   (default 60)
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
lib=$top/tests/e2e/lib
. "$lib/common.sh"
. "$lib/x.sh"
. "$lib/app.sh"
E2E_NAME=idle_cpu

bin=${1:?usage: idle_cpu.sh QUENDRA-BINARY [SECONDS]}
seconds=${2:-60}

# utime + stime of a process, in clock ticks (fields 14 and 15 of its
# stat line, counted after the command name, which may hold spaces).
cpu_ticks() {
    local rest
    rest=$(sed 's/^.*) //' "/proc/$1/stat") || return 1
    set -- $rest
    echo $(( ${12} + ${13} ))
}

e2e_mktemp tmp
x_start "$tmp"
app_env "$tmp"
app_start "$bin"
app_main_window 60 >/dev/null || e2e_fail "no main window (see $APP_DIR/app.log)"
sleep 3 # start-up work is not idle time

hz=$(getconf CLK_TCK)
before=$(cpu_ticks "$APP_PID") || e2e_fail "cannot read /proc/$APP_PID/stat"
start=$(date +%s.%N)
sleep "$seconds"
after=$(cpu_ticks "$APP_PID") || e2e_fail "the program ended while idle"
end=$(date +%s.%N)

awk -v t0="$start" -v t1="$end" -v c0="$before" -v c1="$after" -v hz="$hz" 'BEGIN {
    wall = t1 - t0; used = (c1 - c0) / hz
    printf "%-28s %12s\n", "measure", "value"
    printf "%-28s %12.2f\n", "wall time (s)", wall
    printf "%-28s %12.2f\n", "CPU time, user+system (s)", used
    printf "%-28s %12.2f\n", "CPU use (% of one core)", 100 * used / wall
}'
