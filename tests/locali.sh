#!/usr/bin/env bash
# Makes the desktop locales the locale runs use, it_IT.UTF-8 and de_DE.UTF-8, in the folder given, from the definitions
# of the "locales" package: no root is needed and the machine's own locales do not matter. Fails, never skips, when one
# cannot be made: those runs would prove nothing.
set -uo pipefail
cartella=$1
mkdir -p "$cartella"
for nome in it_IT de_DE; do
    # Warnings about the definition (exit status 1) leave a usable locale.
    localedef -i "$nome" -f UTF-8 "$cartella/$nome.UTF-8"
    [ $? -le 1 ] || { echo "locali.sh: localedef non ha creato $nome.UTF-8 (serve il pacchetto locales)" >&2; exit 1; }
    virgola=$(LOCPATH=$cartella LC_ALL=$nome.UTF-8 locale decimal_point 2>&1)
    [ "$virgola" = , ] || { echo "locali.sh: $nome.UTF-8 non si usa: $virgola" >&2; exit 1; }
done
