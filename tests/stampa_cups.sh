#!/usr/bin/env bash
# Runs test-stampa on a print service of its own in a temporary folder, leaving the machine's service, queues and
# default alone. Its queues (one accepts, one refuses, one is stopped) copy every job into the folder for the test to
# read back. Where the service cannot start, says why and exits 77.
set -u
salta() { echo "SALTATO: stampa reale non provata: $*" && exit 77; }
# Backends run as root only when the scheduler does.
[ "$(id -u)" -eq 0 ] || salta "il servizio di stampa di prova richiede root"
for c in cupsd lpadmin lpstat cupsreject cupsdisable pdfinfo pdftotext; do
    command -v $c >/dev/null || salta "manca il comando $c"
done
cartella=$(mktemp -d -t pianoamm-cups.XXXXXX) || salta "impossibile creare la cartella temporanea"
trap 'kill $! 2>/dev/null; wait; rm -rf "$cartella"' EXIT
mkdir -p "$cartella"/{conf,spool/tmp,uscita,casa,run,tmp,bin/backend} && chmod 700 "$cartella/run"
ln -s /usr/lib/cups/daemon /usr/lib/cups/filter "$cartella/bin/"
# The job's file, whole or not at all, as lavoro-ID.pdf, after its title in lavoro-ID.titolo; readable by root alone, so
# that it runs as root.
cat >"$cartella/bin/backend/copia" <<EOF && chmod 700 "$cartella/bin/backend/copia"
#!/bin/sh
[ \$# -eq 0 ] && { echo 'direct copia "Unknown" "Copia per la prova"'; exit 0; }
lavoro=$cartella/uscita/lavoro-\$1
printf '%s\n' "\$3" >"\$lavoro.titolo" && cp "\${6:-/dev/stdin}" "\$lavoro.parziale" && mv "\$lavoro.parziale" "\$lavoro.pdf"
EOF
# Nothing outside the folder, no network; whoever reaches the socket (in a root-only folder) may administer.
printf '%s\n' "ServerRoot $cartella/conf" "ServerBin $cartella/bin" "RequestRoot $cartella/spool" \
    "TempDir $cartella/spool/tmp" "CacheDir $cartella/spool" "StateDir $cartella/spool" "Printcap $cartella/printcap" \
    "AccessLog stderr" "ErrorLog stderr" "PageLog stderr" "SystemGroup root" >"$cartella/conf/cups-files.conf"
printf '%s\n' "Listen $cartella/cups.sock" "Browsing No" "DefaultShared No" "WebInterface No" "DefaultAuthType None" \
    "<Policy default>" "<Limit All>" "Order deny,allow" "</Limit>" "</Policy>" >"$cartella/conf/cupsd.conf"
cupsd -f -c "$cartella/conf/cupsd.conf" -s "$cartella/conf/cups-files.conf" >"$cartella/cupsd.log" 2>&1 &
# Every client below, and the test, talks to this service alone.
export CUPS_SERVER=$cartella/cups.sock CUPS_SERVERROOT=$cartella/conf HOME=$cartella/casa XDG_CONFIG_HOME=$cartella/casa
export XDG_CACHE_HOME=$cartella/casa XDG_RUNTIME_DIR=$cartella/run TMPDIR=$cartella/tmp
unset LPDEST PRINTER
timeout 10 sh -c 'until lpstat -r 2>/dev/null | grep -q "is running"; do sleep 0.1; done' \
    || salta "cupsd non parte: $(tail -n 3 "$cartella/cupsd.log")"
# The accepting queue takes PDF unfiltered, on Letter paper with half an inch it cannot print on: not what the program
# would choose (A4, narrower margins). Its texts' encoding is named, as in every real PPD: Qt 6.4's print dialog
# crashes on choosing a printer whose PPD names none.
printf '%s\n' '*PPD-Adobe: "4.3"' '*LanguageEncoding: ISOLatin1' '*cupsFilter2: "application/pdf application/pdf 0 -"' '*OpenUI *PageSize: PickOne' \
    '*DefaultPageSize: Letter' '*PageSize Letter: "<</PageSize[612 792]>>setpagedevice"' '*CloseUI: *PageSize' \
    '*DefaultImageableArea: Letter' '*ImageableArea Letter: "36 36 576 756"' '*DefaultPaperDimension: Letter' \
    '*PaperDimension Letter: "612 792"' >"$cartella/copia.ppd"
export PIANOAMM_CODA=PianoAmmProva PIANOAMM_RIFIUTA=PianoAmmRifiuta PIANOAMM_FERMA=PianoAmmFerma
{ lpadmin -p $PIANOAMM_CODA -v copia:/ -P "$cartella/copia.ppd" -E && lpadmin -d $PIANOAMM_CODA \
    && lpadmin -p $PIANOAMM_RIFIUTA -v copia:/ -E && cupsreject $PIANOAMM_RIFIUTA \
    && lpadmin -p $PIANOAMM_FERMA -v copia:/ -E && cupsdisable $PIANOAMM_FERMA; } 2>/dev/null \
    || salta "impossibile preparare le code di stampa: $(tail -n 3 "$cartella/cupsd.log")"
PIANOAMM_USCITA=$cartella/uscita PIANOAMM_CLI=$2 QT_QPA_PLATFORM=offscreen "$1"
