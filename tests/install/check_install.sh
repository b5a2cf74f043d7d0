#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the tree; then runs the installed editor
# and command-line tool on the installed demo with a fresh HOME: the user's folder must appear in
# ~/.local/share/dorvane and the installed folder must stay untouched.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=/opt/dorvane
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$tmp/root cmake --install "$build" --prefix "$prefix" >/dev/null
root=$tmp/root$prefix
lib=$root/lib/dorvane

programs=(dorvane dorvane-cli quillet quillet-cli velmar-panel-sim velmar-flash-sim)
for p in "${programs[@]}"; do
    [ -L "$root/bin/$p" ] && [ -x "$root/bin/$p" ] || fail "bin/$p is not an executable launcher"
    [ -s "$root/share/man/man1/$p.1" ] || fail "no manual page for $p"
    "$root/bin/$p" --version >"$tmp/version" || fail "$p --version"
    grep -q "^$p " "$tmp/version" || fail "$p --version"
done
for f in dorvane dorvane-cli velmar-panel-sim velmar-flash-sim Quillet/quillet Quillet/quillet-cli \
         APP.INI PLC.INI GUI.INI Quillet/Quillet.ini Panel.bmp AlarmHist.MAC .installed \
         Project/Demo.kvr; do
    [ -f "$lib/$f" ] || fail "lib/dorvane/$f is missing"
done
ls "$lib"/*.qm >/dev/null 2>&1 || fail "no translation in lib/dorvane"
for d in Protocols Fonts Images Quillet Connect Alarm; do
    [ -d "$lib/$d" ] || fail "lib/dorvane/$d is missing"
done
[ -z "$(ls -A "$lib/Alarm")" ] || fail "the installed Alarm folder is not empty"

for size in 16 24 32 48 64 128 256; do
    for app in dorvane quillet; do
        png=$root/share/icons/hicolor/${size}x${size}/apps/$app.png
        [ -f "$png" ] || fail "icon $png is missing"
        # The PNG header's width (bytes 16-19, big-endian).
        width=$(od -An -tu1 -j16 -N4 "$png" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
        [ "$width" = "$size" ] || fail "$png is $width pixels wide"
    done
done
[ -f "$root/share/icons/hicolor/scalable/apps/dorvane.svg" ] || fail "no scalable icon"
for app in dorvane quillet; do
    desktop=$root/share/applications/$app.desktop
    [ -f "$desktop" ] || fail "$desktop is missing"
    desktop-file-validate "$desktop" || fail "$desktop is not valid"
done
mime=$root/share/mime/packages/dorvane.xml
xmllint --noout "$mime" || fail "$mime is not well-formed"
grep -q '<glob pattern="\*.kvr"/>' "$mime" || fail "the MIME type has no *.kvr pattern"

# The installed programs with a fresh HOME. Whatever they write must land in the user's folder.
find "$lib" -printf '%P %s %T@\n' | sort >"$tmp/before"
home=$tmp/home
mkdir -p "$home"
run() { env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$@"; }
run "$root/bin/dorvane" --grab "$tmp/demo.png" "$lib/Project/Demo.kvr" \
    || fail "the installed dorvane --grab failed"
[ -s "$tmp/demo.png" ] || fail "dorvane --grab wrote no picture"
run "$root/bin/dorvane-cli" info "$lib/Project/Demo.kvr" >"$tmp/info" \
    || fail "the installed dorvane-cli info failed"
[ -s "$tmp/info" ] || fail "dorvane-cli info printed nothing"
user=$home/.local/share/dorvane
for f in APP.INI PLC.INI GUI.INI Project/Demo.kvr; do
    [ -f "$user/$f" ] || fail "~/.local/share/dorvane/$f was not made"
done
[ -d "$user/Alarm" ] || fail "~/.local/share/dorvane/Alarm was not made"
# Into a file first: grep -q stops reading at its match, and under pipefail the writer's broken
# pipe would fail the check.
run "$root/bin/dorvane-cli" --json config >"$tmp/config"
grep -q "\"appIni\": \"$user/APP.INI\"" "$tmp/config" \
    || fail "dorvane-cli does not read the user's APP.INI"
find "$lib" -printf '%P %s %T@\n' | sort >"$tmp/after"
diff "$tmp/before" "$tmp/after" >&2 || fail "the installed folder was written"
echo "install tree ok"
