# Where text sits on a printed page. Source it after common.sh.
#
#   pdf_words PDF OUT       write OUT: one line per word of the (single) page,
#                           "LEFT TOP RIGHT BOTTOM HEIGHT TEXT": the first four
#                           in millimetres from the page's top-left corner, the
#                           height of the word's line box in points, then the
#                           word. Fails when the PDF has not exactly one page.
#   pdf_expect_word WORDS TEXT LEFT TOP SIZE
#                           a word TEXT whose box starts at LEFT,TOP (mm) and
#                           whose line box fits a font of SIZE points
#   pdf_expect_line WORDS TOP SIZE TEXT LEFT RIGHT
#                           the words whose tops are at TOP, read left to right
#                           and joined by one blank, are exactly TEXT; the
#                           first starts at LEFT and the last ends at RIGHT
#                           (mm; "-" skips a check)
#   pdf_word_count WORDS    the number of words on the page
#   pdf_expect_landscape WORDS
#                           the page is wider than it is high
#
# pdftotext puts a word's top at the top of its line box (baseline minus the
# font's ascent), which is where the program places "the top-left corner of
# the line", and its left edge at the first glyph's origin. For Arial
# (Liberation Sans has the same metrics) the line box is ascent 0.905 plus
# descent 0.212 = 1.117 em high: 12.29 pt at 11 pt, 14.52 pt at 13 pt.
# A word never holds a blank: pdftotext splits there.
# Positions are compared to 0.25 mm: far below any misplacement that matters
# on a cheque, far above rounding.

PDF_TOL_MM=0.25
PDF_TOL_PT=0.3

pdf_words() {
    local pdf=$1 out=$2 html pages
    e2e_need_cmd pdftotext
    html=$out.html
    pdftotext -bbox "$pdf" "$html" || { e2e_log "pdftotext failed on $pdf"; return 1; }
    pages=$(grep -c '<page ' "$html")
    if [[ $pages != 1 ]]; then
        e2e_log "$pdf has $pages pages, expected 1"
        return 1
    fi
    sed -n 's/.*<page width="\([0-9.]*\)" height="\([0-9.]*\)".*/\1 \2/p' "$html" >"$out.page"
    awk -F'"' '/<word / {
        text = $9
        sub(/^>/, "", text); sub(/<\/word>.*$/, "", text)
        gsub(/&lt;/, "<", text); gsub(/&gt;/, ">", text); gsub(/&quot;/, "\"", text)
        gsub(/&apos;/, "\047", text); gsub(/&#39;/, "\047", text); gsub(/&amp;/, "\\&", text)
        mm = 25.4 / 72
        printf "%.3f %.3f %.3f %.3f %.3f %s\n", $2 * mm, $4 * mm, $6 * mm, $8 * mm, $8 - $4, text
    }' "$html" >"$out"
}

pdf_word_count() { wc -l <"$1"; }

pdf_expect_landscape() {
    local width height
    read -r width height <"$1.page"
    if awk -v w="$width" -v h="$height" 'BEGIN { exit !(w > h) }'; then
        return 0
    fi
    e2e_log "the page is $width x $height pt: portrait, not landscape"
    return 1
}

pdf_expect_word() {
    local words=$1 text=$2 left=$3 top=$4 size=$5
    if awk -v t="$text" -v x="$left" -v y="$top" -v h="$(_pdf_height "$size")" \
           -v tm="$PDF_TOL_MM" -v tp="$PDF_TOL_PT" '
        function abs(v) { return v < 0 ? -v : v }
        $6 == t && abs($1 - x) <= tm && abs($2 - y) <= tm && abs($5 - h) <= tp { found = 1 }
        END { exit !found }' "$words"; then
        return 0
    fi
    e2e_log "no word '$text' at left $left mm, top $top mm, size $size pt; the page has:"
    _pdf_dump "$words"
    return 1
}

pdf_expect_line() {
    local words=$1 top=$2 size=$3 text=$4 left=$5 right=$6 got
    got=$(awk -v y="$top" -v h="$(_pdf_height "$size")" -v tm="$PDF_TOL_MM" -v tp="$PDF_TOL_PT" '
        function abs(v) { return v < 0 ? -v : v }
        abs($2 - y) <= tm && abs($5 - h) <= tp { print $1, $3, $6 }
        ' "$words" | sort -n -k1,1)
    local joined first last
    joined=$(cut -d' ' -f3- <<<"$got" | paste -sd' ')
    first=$(head -n 1 <<<"$got" | cut -d' ' -f1)
    last=$(tail -n 1 <<<"$got" | cut -d' ' -f2)
    if [[ $joined == "$text" ]] \
        && { [[ $left == - ]] || _pdf_near "$first" "$left"; } \
        && { [[ $right == - ]] || _pdf_near "$last" "$right"; }; then
        return 0
    fi
    e2e_log "line at top $top mm (size $size pt): expected '$text' from $left to $right mm," \
        "found '$joined' from ${first:-?} to ${last:-?} mm; the page has:"
    _pdf_dump "$words"
    return 1
}

_pdf_height() { awk -v s="$1" 'BEGIN { printf "%.3f", s * 1.117 }'; }
_pdf_near() { awk -v a="$1" -v b="$2" -v t="$PDF_TOL_MM" 'BEGIN { d = a - b; exit !(d <= t && -d <= t) }'; }
_pdf_dump() {
    printf '    left top right bottom height(pt) word\n' >&2
    sed 's/^/    /' "$1" >&2
}
