#!/usr/bin/env bash
# A module takes the program's own classes from the program that opens it,
# and is opened with every symbol resolved at once. This checks, for each
# program given, that every symbol the module needs is found as the loader
# would look for it: in the program, in the libraries the program loads, or
# in the libraries the module loads. A program whose linker left out a class
# only the module uses fails here, not at an operator's first web page.
#   test_modulesymbols.sh <module.so> <program>...
#   test_modulesymbols.sh --expect-missing <symbol> <module.so> <program>   (the check's own test)
set -euo pipefail

expected=""
if [ "${1:-}" = "--expect-missing" ]; then
    expected="$2"
    shift 2
fi
module="$1"
shift

# Defined dynamic symbols of a file, without their version.
defined() { nm -D --defined-only "$1" | awk 'NF >= 3 { sub(/@.*/, "", $3); print $3 }'; }
# The shared libraries a file loads, with every library they load in turn.
libraries() { ldd "$1" | awk '$2 == "=>" && $3 ~ /^\// { print $3 }'; }
# Defined symbols of a file and of every library it loads.
provided() {
    defined "$1"
    for library in $(libraries "$1"); do defined "$library"; done
}

needed="$(nm -D --undefined-only "$module" | awk '$1 == "U" { sub(/@.*/, "", $2); print $2 }' | sort -u)"
fromModule="$(provided "$module" | sort -u)"
status=0
for program in "$@"; do
    missing="$(comm -23 <(comm -23 <(echo "$needed") <(echo "$fromModule")) <(provided "$program" | sort -u))"
    if [ -n "$expected" ]; then
        if ! grep -qx "$expected" <<<"$missing"; then
            echo "FAIL: $expected should be missing from $program for $module"
            status=1
        fi
    elif [ -n "$missing" ]; then
        echo "FAIL: $(basename "$program") lacks what $(basename "$module") needs:"
        c++filt <<<"$missing" | sed 's/^/  /'
        status=1
    else
        echo "ok: $(basename "$program") has all $(wc -l <<<"$needed") symbols $(basename "$module") needs"
    fi
done
exit "$status"
