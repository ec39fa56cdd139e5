#!/usr/bin/env bash
# Runs a whole-program test as an unprivileged user when started as root, so
# that a root run (CI) also proves the harness works for a normal user:
# cupsd then runs without root's user switch and ownership checks, and
# Xvfb and the program run without privileges. Started as a normal user it
# simply runs the test.
# Usage: as_user.sh SCRIPT ARGS...   (the user is $E2E_USER, default nobody)
set -u
here=$(cd "$(dirname "$0")" && pwd)
E2E_NAME="$(basename "${1:-?}" .sh) as user"
. "$here/lib/common.sh"

script=${1:?usage: as_user.sh SCRIPT ARGS...}
shift
if [[ $(id -u) != 0 ]]; then
    exec bash "$script" "$@"
fi

user=${E2E_USER:-nobody}
getent passwd "$user" >/dev/null || e2e_skip "no user $user"
e2e_need_cmd runuser
# The checkout and the build must be readable by that user (they are not
# when they lie under root's 0700 home, for instance).
for f in "$script" "$here/lib/common.sh" "$@" ${E2E_WMDELETE:+"$E2E_WMDELETE"}; do
    [[ -e $f ]] || continue
    runuser -u "$user" -- test -r "$f" || e2e_skip "$user cannot read $f"
done

e2e_mktemp tmp
chown "$user" "$tmp"
e2e_log "running as $user"
runuser -u "$user" -- env TMPDIR="$tmp" HOME="$tmp" bash "$script" "$@"
