#!/bin/sh
# Builds the Debian package from a built tree and has lintian check it: no error and no
# warning may remain.
#   lintian.sh BUILD_DIR
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
lintian --fail-on error,warning --display-info "$out"/orvane-reporter_*.deb
