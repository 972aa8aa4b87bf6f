#!/usr/bin/env bash
# package_test.sh BUILD_DIR CPACK: makes the Debian package from the build. Lintian finds
# neither error nor warning in it (an unstripped binary or a bad description would be one), and
# its dependencies were found from the binaries.
set -euo pipefail
build=$1 cpack=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB -B "$scratch/package" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$scratch"/package/*.deb)
out=$(lintian --allow-root --fail-on error,warning "$deb" 2>&1) || fail "lintian: $out"
echo "$out"
[[ $(dpkg-deb -f "$deb" Depends) == *libqt6widgets6* ]] || fail "no Qt dependency found"
[ "$(dpkg-deb -c "$deb" | grep -c "usr/share/velnor/translations/velnor_.*\.qm$")" -eq 5 ] ||
    fail "the package does not hold the five translations"
echo "packaged and linted"
