#!/usr/bin/env bash
# Start-up against its floor, counted in instructions: runs the bare dialog (bare_dialog) and the
# program (velnor) under callgrind from process start to their first painted frame and their
# close, and prints the instruction counts and their ratios: the program's first start, which
# renders its drawings and keeps them and its painted window in its cache, and a later start,
# which finds them there. Unlike startup_bench's times, the counts do not depend on how busy the
# machine is.
#
#   bench/startup_instructions.sh [BIN_DIR] [--keep DIR]
#
# BIN_DIR is the build's bin directory with bare_dialog, velnor and Velnor.dkt (a build
# configured with -DVELNOR_BENCH=ON; build/test/bin by default). --keep DIR leaves the three
# callgrind files in DIR for callgrind_annotate (--inclusive=yes shows where the rest goes).
#
# Both run on Qt's offscreen platform (QT_QPA_PLATFORM=offscreen): no display server, so the
# counts are the same on every machine and nothing of a server's start-up or replies is in
# them. Both keep their settings and cache in fresh directories, so the program opens at its
# default size and the user's own settings and cache are neither read nor touched.
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
# frame, with its settings and cache in `home`; the run must have written "first frame". The
# count is written to `label`.callgrind.
count() {
    local name=$1 label=$2 home=$3
    (cd "$bin" && env XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
        QT_QPA_PLATFORM=offscreen VELNOR_QUIT_AFTER_FIRST_FRAME=1 \
        valgrind --tool=callgrind --callgrind-out-file="$out/$label.callgrind" \
        "./$name" >"$work/$label.out" 2>"$work/$label.err")
    if ! grep -q "^first frame$" "$work/$label.out"; then
        echo "startup_instructions: $name showed no first frame" >&2
        cat "$work/$label.err" >&2
        exit 1
    fi
    sed -n 's/^totals: *\([0-9]*\).*/\1/p' "$out/$label.callgrind"
}

# The program's first start ever renders what a later start finds kept in its cache; a later
# start, the usual one, is counted after that first.
bare=$(count bare_dialog bare_dialog "$(mktemp -d "$work/home-XXXXXX")")
home=$(mktemp -d "$work/home-XXXXXX")
first=$(count velnor velnor-first "$home")
later=$(count velnor velnor "$home")
awk -v bare="$bare" -v first="$first" -v later="$later" 'BEGIN {
    printf "Instructions to the first frame and exit (offscreen, callgrind):\n"
    printf "  bare dialog          %8.1f M\n", bare / 1e6
    printf "  velnor, first start  %8.1f M  ratio %5.2f\n", first / 1e6, first / bare
    printf "  velnor, later start  %8.1f M  ratio %5.2f\n", later / 1e6, later / bare
}'
if [ -n "$keep" ]; then
    echo "callgrind files: $out/bare_dialog.callgrind $out/velnor-first.callgrind" \
        "$out/velnor.callgrind"
fi
