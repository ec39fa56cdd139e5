#!/usr/bin/env bash
# The Debian package as an office user meets it, on this machine:
#  1. cpack makes quendra_<version>_<arch>.deb and lintian finds no error in it;
#  2. apt-get installs it with its dependencies; the installed desktop entry
#     and AppStream data pass their validators, and the icons are in place;
#  3. the installed /usr/bin/quendra starts on a fresh home and shows its
#     main window, and ends when the window is closed;
#  4. apt-get purge removes every file the package brought; only the user's
#     data folder stays.
# It installs into the real system, so it needs root or password-less sudo,
# and it leaves alone a machine where Quendra is already installed.
# Usage: package.sh BUILD-FOLDER   (E2E_WMDELETE names the close helper)
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
. "$here/lib/x.sh"
. "$here/lib/app.sh"

build=${1:?usage: package.sh BUILD-FOLDER}
app_id=example.brentola.Quendra

sudo=()
if [[ $(id -u) != 0 ]]; then
    command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null \
        || e2e_skip "installing a package needs root or password-less sudo"
    sudo=(sudo -n)
fi
e2e_need_cmd cpack dpkg-deb dpkg-shlibdeps apt-get lintian desktop-file-validate appstreamcli
if dpkg-query -W -f='${Status}' quendra 2>/dev/null | grep -q 'ok installed'; then
    e2e_skip "quendra is installed on this machine already; not touching it"
fi

e2e_mktemp tmp

# --- build and check the package ---------------------------------------------
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1 \
    || { tail -n 30 "$tmp/cpack.log" >&2; e2e_fail "cpack failed"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb=$tmp/pkg/quendra_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || e2e_fail "no $(basename "$deb"); cpack made: $(cd "$tmp/pkg" && echo *.deb)"
depends=$(dpkg-deb -f "$deb" Depends)
for d in fonts-liberation qt6-translations-l10n libqt6widgets6 libqt6pdf6 libc6; do
    [[ ,$depends, =~ [,\ ]$d[,\ ] ]] || e2e_fail "the package does not depend on $d: $depends"
done
lintian --fail-on error "$deb" >"$tmp/lintian.log" 2>&1 \
    || { cat "$tmp/lintian.log" >&2; e2e_fail "lintian reports errors"; }
e2e_log "$(basename "$deb") built; lintian: $(grep -c '^W:' "$tmp/lintian.log") warnings, no errors"

# --- install --------------------------------------------------------------------
e2e_on_exit "${sudo[*]} env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq quendra >/dev/null 2>&1"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$tmp/apt.log" 2>&1 \
    || { tail -n 30 "$tmp/apt.log" >&2; e2e_fail "apt-get install failed"; }
# The files and folders the package brought, each with its type, taken
# before the purge that makes dpkg forget them.
dpkg -L quendra | while read -r path; do
    if [[ -d $path && ! -L $path ]]; then echo "d $path"; else echo "f $path"; fi
done >"$tmp/files"
desktop-file-validate /usr/share/applications/$app_id.desktop || e2e_fail "desktop entry not valid"
appstreamcli validate --no-net /usr/share/metainfo/$app_id.metainfo.xml >"$tmp/appstream.log" 2>&1 \
    || { cat "$tmp/appstream.log" >&2; e2e_fail "AppStream data not valid"; }
for f in scalable/apps/$app_id.svg $(printf "%sx%s/apps/$app_id.png " 16 16 24 24 32 32 48 48 64 64 128 128 256 256); do
    [[ -s /usr/share/icons/hicolor/$f ]] || e2e_fail "no icon /usr/share/icons/hicolor/$f"
done
for page in man1/quendra.1.gz it/man1/quendra.1.gz; do
    [[ -s /usr/share/man/$page ]] || e2e_fail "no manual page /usr/share/man/$page"
done
zcat /usr/share/man/it/man1/quendra.1.gz | grep -q '^\.SH NOME' || e2e_fail "the Italian manual page is not Italian"
# PDF pictures are drawn by a module the program looks for at a path of its
# own (a UTF-16 string in it), relative to the program.
rel=$(strings -a -e l /usr/bin/quendra | grep -m1 '/quendra/plugins$') || e2e_fail "no module folder in the program"
[[ -f /usr/bin$rel/libquendra_pdfpage.so ]] || e2e_fail "no PDF module in /usr/bin$rel"
e2e_log "installed: $(grep -c '^f' "$tmp/files") files; desktop entry and AppStream data valid"

# --- start the installed program ------------------------------------------------
x_start "$tmp"
app_env "$tmp/run"
app_start /usr/bin/quendra
win=$(app_main_window 60) || e2e_fail "the installed program shows no main window (see $APP_DIR/app.log)"
# A dock matches the window to its menu entry by the window's class.
wm_class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/$app_id.desktop)
xprop -id "$win" WM_CLASS | grep -q "\"$wm_class\"\$" \
    || e2e_fail "the window's class is $(xprop -id "$win" WM_CLASS), the menu entry says '$wm_class'"
x_close "$win" || e2e_fail "could not ask the main window to close"
app_wait_exit 30 || e2e_fail "program still running 30 s after its window was closed"
(( APP_RC == 0 )) || e2e_fail "the installed program ended with status $APP_RC"
[[ -f $APP_DATA/Quendra.ini ]] || e2e_fail "the installed program made no data folder"
e2e_log "the installed program showed its main window and ended normally"

# --- purge ----------------------------------------------------------------------
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq quendra >>"$tmp/apt.log" 2>&1 \
    || { tail -n 30 "$tmp/apt.log" >&2; e2e_fail "apt-get purge failed"; }
left=()
while read -r type path; do
    [[ -e $path || -L $path ]] || continue
    # A folder may stay when another package still owns it (/usr/share/...).
    [[ $type == d ]] && dpkg -S "$path" >/dev/null 2>&1 && continue
    left+=("$path")
done <"$tmp/files"
(( ${#left[@]} == 0 )) || e2e_fail "the purge left behind: ${left[*]}"
[[ -f $APP_DATA/Quendra.ini ]] || e2e_fail "the purge touched the user's data folder"
e2e_log "purged: nothing of the package left, the data folder kept"

e2e_log PASS
