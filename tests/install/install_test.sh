#!/usr/bin/env bash
# install_test.sh BUILD_DIR CMAKE: installs the build under a scratch root as the package lays
# it out (prefix /usr), checks the files and their metadata, and starts the installed launcher
# from an empty folder and from a maintainer's folder.
set -euo pipefail
build=$1 cmake=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

root=$scratch/root
usr=$root/usr
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null
program=$usr/libexec/velnor/velnor
for f in bin/velnor bin/velnor-dkt libexec/velnor/velnor; do
    [ -x "$usr/$f" ] || fail "$f is not an installed executable"
done
for f in share/velnor/Velnor.dkt share/man/man1/velnor.1.gz share/man/man1/velnor-dkt.1.gz \
         share/icons/hicolor/scalable/apps/velnor.svg share/doc/velnor/copyright; do
    [ -s "$usr/$f" ] || fail "$f is missing"
done
# The translations, where the program looks for them from libexec/velnor.
for language in de es fr it pt_BR; do
    [ -s "$usr/libexec/velnor/../../share/velnor/translations/velnor_$language.qm" ] ||
        fail "the $language translation is missing"
done

# Every hicolor PNG is as wide and high as its folder says, from 16 to 256 pixels.
icons=$usr/share/icons/hicolor
[ -f "$icons/16x16/apps/velnor.png" ] && [ -f "$icons/256x256/apps/velnor.png" ] ||
    fail "the 16 or 256 pixel icon is missing"
for png in "$icons"/*x*/apps/velnor.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
    got="$(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3))x$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3))"
    [ "$got" = "$size" ] || fail "$png is $got"
done

desktop=$(ls "$usr"/share/applications/*.desktop)
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
metainfo=$(ls "$usr"/share/metainfo/*.metainfo.xml)
out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "appstreamcli: $out"
if grep -q '^[EWIP]:' <<<"$out"; then fail "appstreamcli: $out"; fi
# The metadata's launchable is the installed desktop entry.
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
    fail "the launchable does not name $(basename "$desktop")"

# The program writes its settings and cache under a scratch home, draws offscreen, and closes
# after its first frame, which it reaches only when it could read Velnor.dkt.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_RUNTIME_DIR=$scratch/run
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$scratch/empty" "$scratch/maintainer"
chmod 700 "$XDG_RUNTIME_DIR"
out=$(cd "$scratch/empty" && VELNOR_QUIT_AFTER_FIRST_FRAME=1 timeout 60 "$usr/bin/velnor" 2>&1) ||
    fail "velnor from an empty folder: $out"
grep -qx "first frame" <<<"$out" || fail "velnor from an empty folder: $out"
[ -f "$XDG_CONFIG_HOME/Kestrin Velnor 1/velnor.conf" ] || fail "the settings are not under velnor"
# Its painted window is kept in the user's cache for the next start.
[ -f "$HOME/.cache/Kestrin Velnor 1/velnor/window.drawing" ] || fail "no painted window was kept"

# A Velnor.dkt in the current folder wins: the program runs in that folder.
cp "$usr/share/velnor/Velnor.dkt" "$scratch/maintainer/"
(cd "$scratch/maintainer" && exec "$usr/bin/velnor" >/dev/null 2>&1) &
pid=$!
for _ in $(seq 600); do
    [ "$(readlink "/proc/$pid/exe" || true)" = "$program" ] && break
    sleep 0.1
done
cwd=$(readlink "/proc/$pid/cwd" || true)
kill "$pid"
wait "$pid" || true
[ "$cwd" = "$scratch/maintainer" ] || fail "velnor beside a Velnor.dkt ran in '$cwd'"

# Anything at Velnor.dkt but a readable regular file leaves the installed database in use. A
# stand-in program beside a copy of the launcher prints the folder it starts in; root reads
# any file, so the launcher then runs as nobody.
fake=$scratch/fake
mkdir -p "$fake/bin" "$fake/libexec/velnor" "$fake/share/velnor" "$fake/work"
chmod 755 "$scratch" "$fake" "$fake/work"
cp "$usr/bin/velnor" "$fake/bin/"
printf '#!/bin/sh\npwd -P\n' >"$fake/libexec/velnor/velnor"
chmod 755 "$fake/libexec/velnor/velnor"
as_user=()
[ "$(id -u)" != 0 ] || as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
installed=$(cd "$fake/share/velnor" && pwd -P)
for kind in unreadable fifo directory; do
    rm -rf "$fake/work/Velnor.dkt"
    case $kind in
        unreadable) cp "$usr/share/velnor/Velnor.dkt" "$fake/work/" && chmod 000 "$fake/work/Velnor.dkt" ;;
        fifo) mkfifo "$fake/work/Velnor.dkt" ;;
        directory) mkdir "$fake/work/Velnor.dkt" ;;
    esac
    got=$(cd "$fake/work" && "${as_user[@]}" "$fake/bin/velnor")
    [ "$got" = "$installed" ] || fail "velnor beside Velnor.dkt ($kind) ran in '$got'"
done

echo "installed, validated and started"
