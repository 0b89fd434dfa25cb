#!/usr/bin/env bash
# Every symbol a module needs when a program opens it is there: the program
# exports it, or a library that the program or the module loads defines it.
# (A symbol of the program's own static libraries that only a module uses is
# not linked into the program; the module would then be refused when play
# first needs it.) Prints each missing symbol, demangled; exits 1 if any.
#   test_modulesymbols.sh PROGRAM MODULE...
set -euo pipefail
program="$1"
shift

defined() { nm -D --defined-only "$@" 2>/dev/null | awk 'NF >= 3 {print $3}' | sed 's/@.*//'; }
libraries() { ldd "$1" | awk '$2 == "=>" && $3 ~ /^\// {print $3}'; }

provided="$(mktemp)"
trap 'rm -f "$provided"' EXIT
{
    defined "$program"
    for library in $(libraries "$program"); do defined "$library"; done
} | sort -u >"$provided"

status=0
for module in "$@"; do
    needed="$( {
        nm -D --undefined-only "$module" | awk '$1 == "U" {print $2}' | sed 's/@.*//'
    } | sort -u)"
    own="$( {
        defined "$module"
        for library in $(libraries "$module"); do defined "$library"; done
    } | sort -u)"
    missing="$(comm -23 <(echo "$needed") <(sort -u "$provided" <(echo "$own")))"
    if [ -n "$missing" ]; then
        echo "$(basename "$module") needs what $(basename "$program") does not hold:"
        echo "$missing" | c++filt | sed 's/^/  /'
        status=1
    fi
done
[ "$status" = 0 ] && echo "$(basename "$program") holds every symbol of: $(for m in "$@"; do basename "$m"; done | xargs)"
exit "$status"
