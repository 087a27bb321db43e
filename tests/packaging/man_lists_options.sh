#!/bin/sh
# Every option that PROGRAM --help names is described in its manual page.
#   man_lists_options.sh PROGRAM MANPAGE
set -eu
missing=0
for option in $("$1" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    # roff writes each '-' of an option as '\-'.
    if ! grep -q -F -- "$(printf '%s' "$option" | sed 's/-/\\-/g')" "$2"; then
        echo "$2 does not describe $option"
        missing=1
    fi
done
exit $missing
