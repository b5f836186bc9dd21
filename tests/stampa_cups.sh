#!/usr/bin/env bash
# Prepares a real print for test-stampa-cups: the system's print service
# running (started here if it is not, and stopped again afterwards), a PDF
# printer queue added and made the default. Where that cannot be done, it
# says why and exits 77, which the test runner counts as skipped.
set -u
test_binario=$1
coda=PianoAmmProva$$

salta() {
    echo "SALTATO: stampa reale non provata: $*"
    exit 77
}

for comando in cupsd lpadmin lpstat pdfinfo pdftotext; do
    command -v "$comando" >/dev/null || salta "manca il comando $comando"
done
[ -e /usr/lib/cups/backend/cups-pdf ] || salta "manca la stampante PDF (printer-driver-cups-pdf)"

avviato=""
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    [ "$(id -u)" -eq 0 ] || salta "il servizio di stampa non è attivo e avviarlo richiede root"
    cupsd || salta "cupsd non parte"
    avviato=1
    for _ in $(seq 50); do
        lpstat -r 2>/dev/null | grep -q 'is running' && break
        sleep 0.1
    done
    lpstat -r 2>/dev/null | grep -q 'is running' || salta "cupsd non risponde"
fi

predefinita=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
pulisci() {
    lpadmin -x "$coda" 2>/dev/null
    [ -n "$predefinita" ] && lpadmin -d "$predefinita" 2>/dev/null
    if [ -n "$avviato" ]; then
        pkill -x cupsd
    fi
}
trap pulisci EXIT

ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || true)
lpadmin -p "$coda" -v cups-pdf:/ ${ppd:+-P "$ppd"} -E 2>/dev/null || salta "impossibile aggiungere la coda di stampa"
lpadmin -d "$coda" || salta "impossibile rendere predefinita la coda di stampa"

# cups-pdf writes into the PDF folder in the home of the user who prints, as
# the user database has it (not $HOME).
casa=$(getent passwd "$(id -un)" | cut -d: -f6)
[ -n "$casa" ] || salta "cartella personale dell'utente sconosciuta"
uscita="$casa/PDF"
mkdir -p "$uscita"
PIANOAMM_CODA=$coda PIANOAMM_USCITA=$uscita QT_QPA_PLATFORM=offscreen "$test_binario"
