#!/usr/bin/env bash
# The private printing service that the whole-program print tests rely on:
# both queues exist, the default is the one we set, a job sent to a queue is
# saved byte for byte by our backend under its job id, a job without a queue
# goes to the default, and after cups_stop the scheduler is gone.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/cups.sh"

e2e_need_cmd pdftotext cmp
e2e_mktemp tmp
export HOME=$tmp/home
mkdir -p "$HOME"

# A one-page PDF written by hand, so that making it needs no converter.
make_pdf() {
    local text=$1 out=$2 body stream off xref n i
    local -a objs offsets
    stream="BT /F1 24 Tf 72 720 Td ($text) Tj ET"
    objs=(
        "<< /Type /Catalog /Pages 2 0 R >>"
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F1 4 0 R >> >> /Contents 5 0 R >>"
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"
        "<< /Length ${#stream} >>"$'\n'"stream"$'\n'"$stream"$'\n'"endstream"
    )
    body="%PDF-1.4"$'\n'
    n=${#objs[@]}
    for (( i = 0; i < n; i++ )); do
        offsets[i]=${#body}
        body+="$(( i + 1 )) 0 obj"$'\n'"${objs[i]}"$'\n'"endobj"$'\n'
    done
    off=${#body}
    xref="xref"$'\n'"0 $(( n + 1 ))"$'\n'"0000000000 65535 f "$'\n'
    for (( i = 0; i < n; i++ )); do
        xref+=$(printf '%010d 00000 n ' "${offsets[i]}")$'\n'
    done
    printf '%s%strailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n' \
        "$body" "$xref" $(( n + 1 )) "$off" >"$out"
}

# Byte offsets above count characters: keep the text ASCII.
LC_ALL=C
make_pdf "Quendra prova di stampa 1500" "$tmp/test.pdf"
pdftotext "$tmp/test.pdf" - 2>/dev/null | grep -q 'Quendra prova di stampa 1500' \
    || e2e_fail "the hand-made PDF does not read back (test bug)"

cups_start "$tmp"

# --- queues and default --------------------------------------------------------
printers=$(lpstat -p) || e2e_fail "lpstat -p failed"
for q in "$E2E_CUPS_QUEUE_A" "$E2E_CUPS_QUEUE_B"; do
    grep -q "^printer $q is idle\.  enabled" <<<"$printers" \
        || e2e_fail "queue $q missing or not enabled: $printers"
done
[[ $(grep -c '^printer ' <<<"$printers") == 2 ]] || e2e_fail "expected two queues: $printers"
[[ $(lpstat -d) == "system default destination: $E2E_CUPS_QUEUE_B" ]] \
    || e2e_fail "wrong default: $(lpstat -d)"
devices=$(lpstat -v)
[[ $(grep -c ': e2esave:/$' <<<"$devices") == 2 ]] \
    || e2e_fail "a queue prints somewhere other than the saving backend: $devices"
accepting=$(lpstat -a)
for q in "$E2E_CUPS_QUEUE_A" "$E2E_CUPS_QUEUE_B"; do
    grep -q "^$q accepting requests" <<<"$accepting" || e2e_fail "$q does not accept jobs"
done

# --- a job to a named queue ----------------------------------------------------
out=$(lp -d "$E2E_CUPS_QUEUE_A" -t "smoke A" "$tmp/test.pdf") || e2e_fail "lp -d failed: $out"
[[ $out =~ request\ id\ is\ ${E2E_CUPS_QUEUE_A}-([0-9]+) ]] || e2e_fail "unexpected lp answer: $out"
id=${BASH_REMATCH[1]}
cups_wait_job_file 1 60 || e2e_fail "job $id was not saved within 60 s"
job=$E2E_CUPS_JOBS/$id.job
[[ -f $job ]] || e2e_fail "job saved under another name: $(cups_job_files)"
cmp -s "$tmp/test.pdf" "$job" || e2e_fail "the raw queue changed the job's bytes"
pdftotext "$job" - | grep -q 'Quendra prova di stampa 1500' || e2e_fail "saved job lost its text"
[[ $(cups_job_queue "$id") == "$E2E_CUPS_QUEUE_A" ]] \
    || e2e_fail "job $id printed on '$(cups_job_queue "$id")'"

# --- a job without a queue goes to the default -----------------------------------
make_pdf "Seconda pagina" "$tmp/second.pdf"
out=$(lp -t "smoke default" "$tmp/second.pdf") || e2e_fail "lp failed: $out"
[[ $out =~ request\ id\ is\ ${E2E_CUPS_QUEUE_B}-([0-9]+) ]] || e2e_fail "unexpected lp answer: $out"
id2=${BASH_REMATCH[1]}
cups_wait_job_file 2 60 || e2e_fail "second job was not saved within 60 s"
cmp -s "$tmp/second.pdf" "$E2E_CUPS_JOBS/$id2.job" || e2e_fail "second job's bytes differ"
[[ $(cups_job_queue "$id2") == "$E2E_CUPS_QUEUE_B" ]] || e2e_fail "default job went to the wrong queue"
[[ $(cups_job_files | head -n 1) == "$E2E_CUPS_JOBS/$id.job" ]] || e2e_fail "cups_job_files order"

# --- the local socket answers as well ---------------------------------------------
CUPS_SERVER=$E2E_CUPS_SOCKET lpstat -r | grep -q 'is running' || e2e_fail "no answer on $E2E_CUPS_SOCKET"

# --- stop ----------------------------------------------------------------------
cups_stop
if lpstat -r 2>/dev/null | grep -q 'is running'; then
    e2e_fail "scheduler still answers after cups_stop"
fi
e2e_log PASS
