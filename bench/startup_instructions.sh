#!/usr/bin/env bash
# Start-up against its floor, counted in instructions: runs the bare dialog (bare_dialog) and the
# program (velnor) under callgrind from process start to their first painted frame and their
# close, and prints both instruction counts and their ratio. Unlike startup_bench's times, the
# counts do not depend on how busy the machine is.
#
#   bench/startup_instructions.sh [BIN_DIR] [--keep DIR]
#
# BIN_DIR is the build's bin directory with bare_dialog, velnor and Velnor.dkt (a build
# configured with -DVELNOR_BENCH=ON; build/test/bin by default). --keep DIR leaves the two
# callgrind files in DIR for callgrind_annotate (--inclusive=yes shows where the rest goes).
#
# Both run on Qt's offscreen platform (QT_QPA_PLATFORM=offscreen): no display server, so the
# counts are the same on every machine and nothing of a server's start-up or replies is in
# them. Both keep their settings in a fresh directory, so the program opens at its default size
# and the user's own settings are neither read nor touched.
set -euo pipefail

bin=""
keep=""
while [ $# -gt 0 ]; do
    case "$1" in
    --keep)
        keep=$2
        shift 2
        ;;
    *)
        bin=$1
        shift
        ;;
    esac
done
bin=$(cd "${bin:-$(dirname "$0")/../build/test/bin}" && pwd)
for file in bare_dialog velnor Velnor.dkt; do
    if [ ! -e "$bin/$file" ]; then
        echo "startup_instructions: no $file in $bin (build with -DVELNOR_BENCH=ON)" >&2
        exit 1
    fi
done
command -v valgrind >/dev/null || { echo "startup_instructions: valgrind is missing" >&2; exit 1; }

work=$(mktemp -d /tmp/velnor-instructions-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "${keep:-$work}"
out=$(cd "${keep:-$work}" && pwd)

# Instructions of one run of `program` from process start to its exit, which follows its first
# frame; the run must have written "first frame".
count() {
    local name=$1
    local settings
    settings=$(mktemp -d "$work/settings-XXXXXX")
    (cd "$bin" && env XDG_CONFIG_HOME="$settings" QT_QPA_PLATFORM=offscreen \
        VELNOR_QUIT_AFTER_FIRST_FRAME=1 \
        valgrind --tool=callgrind --callgrind-out-file="$out/$name.callgrind" \
        "./$name" >"$work/$name.out" 2>"$work/$name.err")
    if ! grep -q "^first frame$" "$work/$name.out"; then
        echo "startup_instructions: $name showed no first frame" >&2
        cat "$work/$name.err" >&2
        exit 1
    fi
    sed -n 's/^totals: *\([0-9]*\).*/\1/p' "$out/$name.callgrind"
}

bare=$(count bare_dialog)
velnor=$(count velnor)
awk -v bare="$bare" -v velnor="$velnor" 'BEGIN {
    printf "Instructions to the first frame and exit (offscreen, callgrind):\n"
    printf "  bare dialog %8.1f M\n  velnor      %8.1f M\n  ratio       %8.2f\n",
           bare / 1e6, velnor / 1e6, velnor / bare
}'
if [ -n "$keep" ]; then
    echo "callgrind files: $out/bare_dialog.callgrind $out/velnor.callgrind"
fi
