#!/usr/bin/env bash
# Runs test-stampa-cups against a print service of its own: a cupsd whose
# configuration, spool, cache, logs and socket all live in one temporary
# folder, so that the machine's own service, queues and default stay as they
# are. Its queues hand every job to a backend written here, which copies the
# job's file into that folder for the test to read back. Where the service
# cannot be started, it says why and exits 77, which the test runner counts
# as skipped.
set -u
test_binario=$1
cli=$2

salta() {
    echo "SALTATO: stampa reale non provata: $*"
    exit 77
}

# Backends run as root only when the scheduler runs as root.
[ "$(id -u)" -eq 0 ] || salta "il servizio di stampa di prova richiede root"
for comando in cupsd lpadmin lpstat cupsreject cupsdisable pdfinfo pdftotext; do
    command -v "$comando" >/dev/null || salta "manca il comando $comando"
done
[ -x /usr/lib/cups/daemon/cups-exec ] || salta "manca /usr/lib/cups/daemon/cups-exec"

cartella=$(mktemp -d -t pianoamm-cups.XXXXXX) || salta "impossibile creare la cartella temporanea"
presa=$cartella/cups.sock
pid=""
pulisci() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$cartella"
}
trap pulisci EXIT
# A Unix socket's path must fit in sockaddr_un.
[ ${#presa} -lt 100 ] || salta "percorso della cartella temporanea troppo lungo: $cartella"

mkdir -p "$cartella"/{conf,spool/tmp,cache,stato,log,ssl,uscita,casa/.config,run,tmp,bin/backend}
chmod 700 "$cartella/run"
for parte in daemon filter cgi-bin monitor notifier driver; do
    [ -e "/usr/lib/cups/$parte" ] && ln -s "/usr/lib/cups/$parte" "$cartella/bin/$parte"
done

# The job's file, whole or not at all, as lavoro-ID.pdf, after its title in
# lavoro-ID.titolo: the test reads every *.pdf it finds. Root-owned and
# readable by root alone, so that the scheduler runs it as root.
cat >"$cartella/bin/backend/copia" <<EOF
#!/bin/sh
[ \$# -eq 0 ] && { echo 'direct copia "Unknown" "Copia per la prova"'; exit 0; }
lavoro=$cartella/uscita/lavoro-\$1
printf '%s\n' "\$3" >"\$lavoro.titolo" || exit 1
if [ \$# -ge 6 ]; then cp "\$6" "\$lavoro.parziale"; else cat >"\$lavoro.parziale"; fi || exit 1
mv "\$lavoro.parziale" "\$lavoro.pdf"
EOF
chmod 700 "$cartella/bin/backend/copia"

cat >"$cartella/conf/cups-files.conf" <<EOF
ServerRoot $cartella/conf
ServerBin $cartella/bin
RequestRoot $cartella/spool
TempDir $cartella/spool/tmp
CacheDir $cartella/cache
StateDir $cartella/stato
ServerKeychain $cartella/ssl
CreateSelfSignedCerts no
Printcap $cartella/stato/printcap
AccessLog $cartella/log/access_log
ErrorLog $cartella/log/error_log
PageLog $cartella/log/page_log
SystemGroup root
LogFileGroup root
EOF
# No network, no sharing; anyone who reaches the socket, in a root-only
# folder, may administer.
cat >"$cartella/conf/cupsd.conf" <<EOF
Listen $presa
LogLevel info
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

cupsd -f -c "$cartella/conf/cupsd.conf" -s "$cartella/conf/cups-files.conf" >"$cartella/log/cupsd" 2>&1 &
pid=$!

# Every client below, and the test, talks to this service alone.
export CUPS_SERVER=$presa CUPS_SERVERROOT=$cartella/conf
export HOME=$cartella/casa XDG_CONFIG_HOME=$cartella/casa/.config XDG_CACHE_HOME=$cartella/casa/.cache
export XDG_RUNTIME_DIR=$cartella/run TMPDIR=$cartella/tmp
unset LPDEST PRINTER
for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
lpstat -r 2>/dev/null | grep -q 'is running' || salta "cupsd non parte: $(tail -n 3 "$cartella/log/cupsd" "$cartella/log/error_log" 2>/dev/null)"

# The accepting queue takes PDF as it is, with no filter in between, on
# Letter paper with half an inch it cannot print around it: not what the
# program would choose by itself (A4, narrower margins). The others need no
# description at all.
cat >"$cartella/copia.ppd" <<'EOF'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "COPIA.PPD"
*Manufacturer: "Prova"
*Product: "(Copia)"
*ModelName: "Copia per la prova"
*ShortNickName: "Copia per la prova"
*NickName: "Copia per la prova"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsFilter2: "application/pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "36 36 576 756"
*ImageableArea A4/A4: "36 36 559 806"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
*PaperDimension A4/A4: "595 842"
EOF
accetta=PianoAmmProva
rifiuta=PianoAmmRifiuta
ferma=PianoAmmFerma
lpadmin -p "$accetta" -v copia:/ -P "$cartella/copia.ppd" -E 2>/dev/null || salta "impossibile aggiungere la coda $accetta"
for coda in "$rifiuta" "$ferma"; do
    lpadmin -p "$coda" -v copia:/ -E 2>/dev/null || salta "impossibile aggiungere la coda $coda"
done
lpadmin -d "$accetta" && cupsreject "$rifiuta" && cupsdisable "$ferma" || salta "impossibile preparare le code di stampa"

PIANOAMM_CODA=$accetta PIANOAMM_RIFIUTA=$rifiuta PIANOAMM_FERMA=$ferma PIANOAMM_USCITA=$cartella/uscita \
    PIANOAMM_CLI=$cli QT_QPA_PLATFORM=offscreen "$test_binario"
esito=$?
exit $esito
