# A private CUPS scheduler for the whole-program tests. Source it after
# common.sh.
#
#   cups_start DIR           start cupsd with everything (config, spool, logs,
#                            jobs) under DIR/cups, create the two queues, wait
#                            until it answers. Registers cups_stop at exit.
#   cups_stop                stop it (safe to call twice)
#   cups_wait_job_file N T   wait up to T seconds until N jobs have been saved
#   cups_job_files           list the saved jobs' files, oldest job first
#   cups_job_queue ID        the queue that printed job ID
#
# After cups_start these are exported:
#   CUPS_SERVER      127.0.0.1:PORT; libcups (lp, lpstat, the program under
#                    test) talks to this server only
#   CUPS_SERVERROOT  the private server root, so that clients read no
#                    client.conf or lpoptions of the machine
#   E2E_CUPS_DIR     DIR/cups
#   E2E_CUPS_SOCKET  the scheduler's private local socket (an alternative
#                    value for CUPS_SERVER)
#   E2E_CUPS_JOBS    where the backend saves each job as <job id>.job
#   E2E_CUPS_QUEUE_A, E2E_CUPS_QUEUE_B
#                    the two raw queues; A sorts first, so it heads every
#                    printer list, and B is the default destination, so that
#                    "first" and "default" can be told apart
#
# cupsd runs as whoever sources this. As root it needs root-owned
# configuration and runs a backend as root only when the backend is 0700 and
# root's; otherwise it would drop to user lp, which cannot write into our
# private (0700) scratch folder. As a normal user it runs everything as that
# user. Nothing outside DIR is written and no system cupsd is needed.

E2E_CUPS_QUEUE_A=E2E_Assegni
E2E_CUPS_QUEUE_B=E2E_Ufficio
_E2E_CUPSD_PID=

cups_start() {
    local dir=$1 base port attempt user group sysgroup f
    [[ -d $dir ]] || e2e_fail "cups_start: no folder $dir"
    e2e_need_cmd cupsd lpadmin lpstat lp
    base=$(cd "$dir" && pwd)/cups
    mkdir -p "$base"/{bin/backend,share,spool/temp,cache,state,log,jobs,ppd,ssl}
    chmod 0700 "$base"
    E2E_CUPS_DIR=$base
    E2E_CUPS_JOBS=$base/jobs
    E2E_CUPS_SOCKET=$base/cups.sock
    (( ${#E2E_CUPS_SOCKET} < 100 )) \
        || e2e_fail "cups_start: socket path too long for a unix socket: $E2E_CUPS_SOCKET"

    # The system's helper programs and data, except the backends: only our
    # own backend can be a queue's device, so no job ever leaves this folder.
    for f in /usr/lib/cups/*; do
        [[ $(basename "$f") == backend ]] || ln -s "$f" "$base/bin/"
    done
    for f in /usr/share/cups/*; do
        ln -s "$f" "$base/share/"
    done
    _cups_write_backend "$base/bin/backend/e2esave"

    if [[ $(id -u) == 0 ]]; then
        # Filters would run as lp; our backend runs as root (see above).
        user=lp; group=lp
        sysgroup=root
        getent passwd lp >/dev/null || { user=daemon; group=daemon; }
        chmod 0700 "$base/bin/backend/e2esave"
    else
        user=$(id -un); group=$(id -gn)
        # Our own group may not be the system group too; root is
        # harmless since no request needs authentication anyway.
        sysgroup=root
        [[ $group == root ]] && sysgroup=sys
        chmod 0755 "$base/bin/backend/e2esave"
    fi
    cat >"$base/cups-files.conf" <<EOF
ServerRoot $base
ServerBin $base/bin
DataDir $base/share
DocumentRoot $base/share/www
RequestRoot $base/spool
TempDir $base/spool/temp
CacheDir $base/cache
StateDir $base/state
ServerKeychain $base/ssl
AccessLog $base/log/access_log
ErrorLog $base/log/error_log
PageLog $base/log/page_log
Printcap $base/printcap
User $user
Group $group
SystemGroup $sysgroup
FileDevice No
Sandboxing Relaxed
# Stop at once when the port is taken, so that cups_start can try another.
FatalErrors config listen
EOF

    unset LPDEST PRINTER
    export CUPS_SERVERROOT=$base E2E_CUPS_DIR E2E_CUPS_JOBS E2E_CUPS_SOCKET
    export E2E_CUPS_QUEUE_A E2E_CUPS_QUEUE_B
    e2e_on_exit cups_stop
    for attempt in 1 2 3 4 5 6 7 8 9 10; do
        port=$(_cups_pick_port) || continue
        _cups_write_conf "$base" "$port"
        rm -f "$E2E_CUPS_SOCKET"
        cupsd -f -c "$base/cupsd.conf" -s "$base/cups-files.conf" \
            >>"$base/log/cupsd.out" 2>&1 &
        _E2E_CUPSD_PID=$!
        export CUPS_SERVER=127.0.0.1:$port
        if _cups_wait_ready 30; then
            e2e_log "cupsd $_E2E_CUPSD_PID on $CUPS_SERVER ($(id -un))"
            _cups_add_queues
            return 0
        fi
        if kill -0 "$_E2E_CUPSD_PID" 2>/dev/null; then
            _cups_dump_log
            e2e_fail "cupsd runs but does not answer on $CUPS_SERVER"
        fi
        wait "$_E2E_CUPSD_PID" 2>/dev/null
        _E2E_CUPSD_PID=
        e2e_log "cupsd did not start on port $port, trying another"
    done
    _cups_dump_log
    e2e_fail "cupsd did not start"
}

cups_stop() {
    local pid=$_E2E_CUPSD_PID
    [[ -n $pid ]] || return 0
    _E2E_CUPSD_PID=
    kill -TERM "$pid" 2>/dev/null || return 0
    if ! e2e_wait 20 _cups_gone "$pid"; then
        e2e_log "cupsd $pid ignores SIGTERM; killing it"
        kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null
    return 0
}

cups_job_files() {
    # Job ids grow by one per job, so a numeric sort is submission order.
    local f
    for f in "$E2E_CUPS_JOBS"/*.job; do
        [[ -e $f ]] && printf "%s\n" "${f##*/}"
    done | sort -n | while IFS= read -r f; do
        printf "%s\n" "$E2E_CUPS_JOBS/$f"
    done
}

cups_wait_job_file() {
    local n=$1 timeout=$2
    e2e_wait "$timeout" _cups_have_jobs "$n"
}

cups_job_queue() {
    awk -F '\t' -v id="$1" '$1 == id { print $2 }' "$E2E_CUPS_DIR/log/backend.log"
}

# The title the program gave job ID, as the queue shows it.
cups_job_title() {
    awk -F '\t' -v id="$1" '$1 == id { print $4 }' "$E2E_CUPS_DIR/log/backend.log"
}

# --- internals ---------------------------------------------------------------

_cups_have_jobs() { (( $(cups_job_files | wc -l) >= $1 )); }
_cups_gone() { ! kill -0 "$1" 2>/dev/null; }

# Waits until the scheduler answers; gives up at once when it has exited.
_cups_wait_ready() {
    local ticks=$(( $1 * 10 ))
    while (( ticks-- > 0 )); do
        kill -0 "$_E2E_CUPSD_PID" 2>/dev/null || return 1
        lpstat -r 2>/dev/null | grep -q "is running" && return 0
        sleep 0.1
    done
    return 1
}

# A random port that nothing listens on now. Another program may still take
# it before cupsd binds; then cupsd exits (FatalErrors listen) and the caller
# tries again.
_cups_pick_port() {
    local p
    p=$(( 20000 + (RANDOM * 32768 + RANDOM) % 40000 ))
    if (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then
        return 1
    fi
    printf '%s\n' "$p"
}

_cups_write_conf() {
    local base=$1 port=$2
    # No authentication anywhere: the scheduler is reachable only from this
    # machine, lives for one test, and lpadmin must work without root.
    cat >"$base/cupsd.conf" <<EOF
LogLevel debug
MaxLogSize 0
Listen 127.0.0.1:$port
Listen $base/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
PreserveJobHistory No
PreserveJobFiles No
DefaultPolicy e2e
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy e2e>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
}

# The backend saves each job's bytes, unchanged, as jobs/<job id>.job and
# notes the queue, user, title, copies and options in log/backend.log. It
# writes under a temporary name first so that a waiting test never reads a
# half-written job.
_cups_write_backend() {
    cat >"$1" <<EOF
#!/bin/sh
if [ \$# -eq 0 ]; then
    echo 'direct e2esave "Unknown" "Quendra test job saver"'
    exit 0
fi
jobs='$E2E_CUPS_JOBS'
part="\$jobs/.\$1.part"
if [ \$# -ge 6 ]; then
    cat -- "\$6" >"\$part" || exit 1
else
    cat >"\$part" || exit 1
fi
printf '%s\t%s\t%s\t%s\t%s\t%s\n' "\$1" "\$PRINTER" "\$2" "\$3" "\$4" "\$5" \
    >>'$E2E_CUPS_DIR/log/backend.log'
mv -f "\$part" "\$jobs/\$1.job" || exit 1
echo "INFO: saved job \$1" >&2
exit 0
EOF
}

_cups_add_queues() {
    local q out
    for q in "$E2E_CUPS_QUEUE_A" "$E2E_CUPS_QUEUE_B"; do
        # "-m raw" still works on CUPS 2.4 but prints a deprecation warning on
        # stderr; keep it out of the test's output unless lpadmin fails.
        out=$(lpadmin -p "$q" -E -v e2esave:/ -m raw \
                -o printer-is-shared=false 2>&1) \
            || { printf '%s\n' "$out" >&2; _cups_dump_log; e2e_fail "lpadmin -p $q failed"; }
    done
    lpadmin -d "$E2E_CUPS_QUEUE_B" || e2e_fail "lpadmin -d failed"
}

_cups_dump_log() {
    local f
    for f in "$E2E_CUPS_DIR/log/cupsd.out" "$E2E_CUPS_DIR/log/error_log"; do
        [[ -s $f ]] || continue
        e2e_log "--- last lines of $f"
        tail -n 40 "$f" >&2
    done
}
