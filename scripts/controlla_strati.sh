#!/usr/bin/env bash
# Keeps the layers apart, each built only on those below it: the engine on
# the standard library alone; the file library on the engine and the system,
# without Qt; print on both; the windows on print; the programs on top. The
# command line's text outputs run without Qt: its sources include no Qt
# header, and its program loads no Qt library, nor the print service's.
# Usage: controlla_strati.sh SORGENTI PIANOAMM-CLI
set -euo pipefail
cd "$1"
cli=$2
errori=0

# ammessi REGOLA MODELLO FILE...: every #include of the files matches MODELLO.
ammessi() {
    local regola=$1 modello=$2
    shift 2
    local fuori
    if fuori=$(grep -HnE '^[[:space:]]*#[[:space:]]*include' "$@" | grep -vE "#[[:space:]]*include[[:space:]]*($modello)"); then
        printf '%s:\n%s\n' "$regola" "$fuori"
        errori=1
    fi
}

# The standard library's headers are lowercase names with no suffix; the
# system's (POSIX) lowercase with ".h"; Qt's start with "Q".
standard='<[a-z_0-9]+>'
sistema="$standard|<[a-z_0-9/]+\.h>"
ammessi "engine/ usa solo engine/ e la libreria standard" "$standard|\"engine/" $(find engine -name '*.h' -o -name '*.cpp')
ammessi "file/ usa solo engine/, il sistema e la libreria JSON, non Qt" "$sistema|<nlohmann/json.hpp>|\"engine/|\"file/" file/*.h file/*.cpp
ammessi "print/ non usa ui/ né app/" "<|\"engine/|\"file/|\"print/" print/*.h print/*.cpp
ammessi "ui/ non usa app/" "<|\"engine/|\"file/|\"print/|\"ui/" $(find ui -name '*.h' -o -name '*.cpp')
ammessi "la riga di comando non usa Qt né la stampa" \
    "$sistema|\"engine/|\"file/|\"app/(cambio_cli|condizioni_cli|file_cli|incognita_cli|lettura_cli|opzioni_cli|processo_cli|rialzo_cli|tabella_opzioni|termini_cli|uscite_cli|uso_cli|verifica_cli)\.h\"" \
    app/cli_main.cpp app/cambio_cli.* app/condizioni_cli.* app/file_cli.* app/incognita_cli.* app/lettura_cli.* app/opzioni_cli.* app/processo_cli.* app/rialzo_cli.* app/tabella_opzioni.h app/termini_cli.h app/uscite_cli.* app/verifica_cli.* \
    app/uso_cli.*

if librerie=$(ldd "$cli" | grep -E 'libQt|libcups'); then
    printf 'pianoamm-cli carica Qt o la stampa:\n%s\n' "$librerie"
    errori=1
fi
[ "$errori" -eq 0 ] && echo "strati rispettati"
exit "$errori"
