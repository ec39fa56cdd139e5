#!/usr/bin/env bash
# A 600 dpi A4 scan as PNG, JPEG and PDF shown in a 1200 x 700 window under
# a private Xvfb, against the same window with no picture: time from asking
# for the picture to its first paint, the longest stall of the window's
# event loop (a 10 ms timer) while it is read, shown and its copy kept, the
# time until the copy is on the disk, and peak resident memory of the
# window and of its decoding child. Rounds run file after file so that all
# see the same load; prints medians. "kept" is the bank's copy of the PNG
# scan (at the screen's resolution), opened again.
# Usage: pictures.sh BUILD-DIR [ROUNDS]   (default 5)
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
lib=$top/tests/e2e/lib
. "$lib/common.sh"
. "$lib/x.sh"
E2E_NAME=pictures

build=$(cd "${1:?usage: pictures.sh BUILD-DIR [ROUNDS]}" && pwd)
rounds=${2:-5}
bench=$build/bench/bench_picture
[[ -x $bench ]] || e2e_fail "missing $bench: build with -DQUENDRA_BUILD_BENCH=ON"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

e2e_mktemp tmp
x_start "$tmp"
export XDG_RUNTIME_DIR=$tmp/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
"$bench" make "$tmp" || e2e_fail "the scans could not be made"
"$bench" show "$tmp/scan.png" "$tmp/kept" >/dev/null 2>>"$tmp/errors.txt" || e2e_fail "no copy kept"
cases=(none scan.png scan.jpg scan.pdf kept)
for (( r = 0; r < rounds; r++ )); do
    for c in "${cases[@]}"; do
        f=$c; [[ $c == none ]] || f=$tmp/$c
        "$bench" show "$f" >>"$tmp/$c.txt" 2>>"$tmp/errors.txt" || e2e_fail "$c failed: $(tail -1 "$tmp/errors.txt")"
    done
done
printf '%-10s %9s %9s %9s %10s %7s %10s\n' picture "shown ms" "stall ms" "kept ms" "window MiB" ratio "child MiB"
empty=$(cut -d' ' -f4 "$tmp/none.txt" | median)
for c in "${cases[@]}"; do
    col() { cut -d' ' -f"$1" "$tmp/$c.txt" | median; }
    awk -v c="$c" -v s="$(col 1)" -v st="$(col 2)" -v k="$(col 3)" -v m="$(col 4)" -v e="$empty" -v ch="$(col 5)" 'BEGIN {
        printf "%-10s %9s %9d %9s %10.1f %6.2fx %10.1f\n", c, s < 0 ? "-" : sprintf("%d", s), st, k < 0 ? "-" : sprintf("%d", k), m / 1024, m / e, ch / 1024 }'
done
for f in "$tmp"/scan.png "$tmp"/scan.jpg "$tmp"/scan.pdf "$tmp"/kept; do
    printf '%s: %s bytes\n' "${f##*/}" "$(stat -c %s "$f")" >&2
done
