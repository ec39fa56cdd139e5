#!/usr/bin/env bash
# Start-up of the program with a long payee archive against an empty Qt
# window of the same size, under a private Xvfb: time from launch to the
# mapped window and peak resident memory, run pair by pair (the empty
# window, then the program) so that both see the same machine load. Prints
# the medians and their ratios.
# Usage: launch.sh BUILD-DIR [ROUNDS] [SIZES...]   (default 5; 0 100000 1000000)
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
lib=$top/tests/e2e/lib
. "$lib/common.sh"
. "$lib/x.sh"
. "$lib/app.sh"
E2E_NAME=launch

build=$(cd "${1:?usage: launch.sh BUILD-DIR [ROUNDS] [SIZES...]}" && pwd)
rounds=${2:-5}
shift $(( $# < 2 ? $# : 2 ))
sizes=("$@")
(( ${#sizes[@]} )) || sizes=(0 100000 1000000)
probe=$build/bench/launch_probe
empty=$build/bench/empty_window
quendra=$build/src/app/quendra
for f in "$probe" "$empty" "$quendra"; do
    [[ -x $f ]] || e2e_fail "missing $f: build with -DQUENDRA_BUILD_BENCH=ON"
done

# N payees, "SURNAME FIRSTNAME X." with some accented letters, in
# Windows-1252 with CR LF, the same file for the same N.
payees() {
    awk -v n="$1" 'BEGIN {
        split("ROSSI RUSSO FERRARI ESPOSITO BIANCHI ROMANO COLOMBO RICCI MARINO GRECO BRUNO GALLO " \
              "CONTI MANCINI COSTA GIORDANO RIZZO LOMBARDI MORETTI BARBIERI FONTANA SANTORO " \
              "MARIANI RINALDI CARUSO FERRARA GALLI MARTINI LEONE LONGO GENTILE VITALE SERRA " \
              "NICOL\xd2 \xc0LVARO D\x27ANGELO PARISI VILLA CONTE FERRO FABBRI MARINI GRASSO", s, " ")
        split("MARIO LUCA GIUSEPPE ANTONIO FRANCESCO ALESSANDRO ANDREA MARCO MATTEO LORENZO " \
              "GIOVANNI ROBERTO STEFANO PAOLO DAVIDE SIMONE MARIA ANNA GIULIA FRANCESCA CHIARA " \
              "SARA LAURA ELENA VALENTINA NICCOL\xd2 S\xccLVIA", f, " ")
        ns = length(s); nf = length(f); srand(1500)
        for (i = 0; i < n; i++)
            printf "%s %s %c.\r\n", s[int(rand() * ns) + 1], f[int(rand() * nf) + 1], 65 + int(rand() * 26)
    }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

e2e_mktemp tmp
x_start "$tmp"
app_env "$tmp"
mkdir -p "$APP_DATA"
LC_ALL=C payees 1000000 >"$tmp/all.ini"

printf '%-10s %12s %12s %7s %12s %12s %7s\n' payees "empty ms" "Quendra ms" ratio "empty MiB" "Quendra MiB" ratio
for n in "${sizes[@]}"; do
    head -n "$n" "$tmp/all.ini" >"$APP_DATA/Beneficiari.ini"
    : >"$tmp/empty.txt"; : >"$tmp/quendra.txt"
    for (( r = 0; r < rounds; r++ )); do
        "$probe" "Finestra vuota" "$empty" >>"$tmp/empty.txt" || e2e_fail "empty window failed"
        "$probe" "$APP_TITLE" "$quendra" >>"$tmp/quendra.txt" || e2e_fail "Quendra failed (see $APP_DIR/app.log)"
    done
    et=$(cut -d' ' -f1 "$tmp/empty.txt" | median); qt=$(cut -d' ' -f1 "$tmp/quendra.txt" | median)
    em=$(cut -d' ' -f2 "$tmp/empty.txt" | median); qm=$(cut -d' ' -f2 "$tmp/quendra.txt" | median)
    awk -v n="$n" -v et="$et" -v qt="$qt" -v em="$em" -v qm="$qm" 'BEGIN {
        printf "%-10s %12.1f %12.1f %6.2fx %12.1f %12.1f %6.2fx\n", n, et, qt, qt / et, em / 1024, qm / 1024, qm / em }'
done
