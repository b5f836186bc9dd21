#!/usr/bin/env bash
# The command line's output, byte for byte: each line of the data file holds
# the SHA-256 of standard output (a file, as when recorded), the exit code and
# the arguments, and the lines made now must be the same.
set -u
uscita=$(mktemp) && trap 'rm -f "$uscita"' EXIT
while read -r _ _ argomenti; do
    "$1" $argomenti >"$uscita" 2>/dev/null
    stato=$?
    echo "$(sha256sum <"$uscita" | cut -c1-64) $stato $argomenti"
done <"$2" | diff "$2" - && echo "$(wc -l <"$2") uguali"
