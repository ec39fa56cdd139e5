#!/usr/bin/env bash
# Saves a PNG of the main window alone, as it looks at a first start with an
# empty data folder and the focus in the window (LUOGO highlighted), with a
# banner text resting at its home in cyan.
# Usage: screenshot.sh QUENDRA-BINARY OUT.png   (E2E_WMDELETE: optional close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"

bin=${1:?usage: screenshot.sh QUENDRA-BINARY OUT.png}
out=${2:?usage: screenshot.sh QUENDRA-BINARY OUT.png}
e2e_need_cmd import convert

e2e_mktemp tmp
x_start "$tmp"
app_env "$tmp"
app_start "$bin"
win=$(app_main_window 60) || e2e_fail "no main window (see $APP_DIR/app.log)"
x_focus "$win" || e2e_fail "could not focus the main window"
# Focus and repaint are asynchronous: take pictures until LUOGO (pixel
# 200,18 lies inside it) shows its yellow focus background and the banner's
# text (487x17 pixels at 9,210 when at home) is cyan, that is, readable.
ready() {
    x_screenshot "$win" "$tmp/shot.png" || return 1
    [[ $(convert "$tmp/shot.png" -format "%[pixel:p{200,18}]" info:) =~ ^(yellow|srgb\(255,255,0\))$ ]] \
        || return 1
    [[ $(convert "$tmp/shot.png" -crop 487x17+9+210 +repage -fuzz 10% -fill white -opaque cyan \
        -fill black +opaque white -format "%[fx:mean>0.02]" info:) == 1 ]]
}
if ! e2e_wait 20 ready; then
    e2e_log "LUOGO never turned yellow or the banner never showed a text; saving the window as it is"
    x_screenshot "$win" "$tmp/shot.png" || e2e_fail "import failed"
fi
mv -f "$tmp/shot.png" "$out" || e2e_fail "cannot write $out"
# Close it as a user would when the helper is at hand; otherwise the exit
# hook ends it.
if [[ -x ${E2E_WMDELETE:-} ]]; then
    x_close "$win" && app_wait_exit 30
fi
e2e_log "saved $out"
