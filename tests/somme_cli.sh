#!/usr/bin/env bash
# The command line's output, byte for byte, for the worked example and a
# seeded sample of inputs: each line of the data file holds the SHA-256 of
# standard output (a file, as when recorded), the exit code and the arguments.
set -u
uscita_cli=$(mktemp)
trap 'rm -f "$uscita_cli"' EXIT
diversi=0
while read -r somma uscita argomenti; do
    "$1" $argomenti >"$uscita_cli" 2>/dev/null
    stato=$?
    if [ "$(sha256sum <"$uscita_cli" | cut -d' ' -f1) $stato" != "$somma $uscita" ]; then
        echo "diverso: $argomenti (uscita $stato, attesa $uscita)"
        diversi=$((diversi + 1))
    fi
done <"$2"
echo "$diversi diversi"
[ "$diversi" -eq 0 ]
