#!/bin/sh
# Runs COMMAND... when TOOL is installed; otherwise says so and exits 77, which CTest counts
# as skipped.
#   if_installed.sh TOOL COMMAND...
tool=$1
shift
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: skipped"
    exit 77
fi
exec "$@"
