#!/usr/bin/env bash
# Builds the Debian package from the build folder and looks into it: the
# files it installs, its dependencies, programs without RUNPATH, and its
# pianoamm-cli, run where it was unpacked, printing the worked example and,
# through the helper installed beside it, its printout.
set -euo pipefail
build=$1
atteso=$2
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

(cd "$build" && cpack -G DEB -B "$lavoro/pacchetti" >/dev/null)
deb=$(ls "$lavoro"/pacchetti/pianoamm_*.deb)
elenco=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/pianoamm ./usr/bin/pianoamm-cli ./usr/libexec/pianoamm/pianoamm-stampa \
    ./usr/share/applications/pianoamm.desktop ./usr/share/icons/hicolor/{16x16,48x48,256x256}/apps/pianoamm.png; do
    grep -qx "$file" <<<"$elenco" || { echo "manca nel pacchetto: $file"; exit 1; }
done
dipendenze=$(dpkg-deb -f "$deb" Depends)
for pacchetto in libqt6widgets6 libqt6printsupport6 libcups2 qt6-qpa-plugins fonts-liberation2; do
    grep -q "$pacchetto" <<<"$dipendenze" || { echo "dipendenza mancante: $pacchetto ($dipendenze)"; exit 1; }
done

dpkg-deb -x "$deb" "$lavoro/radice"
cd "$lavoro/radice/usr"
grep -qx 'Categories=Office;Finance;' share/applications/pianoamm.desktop
for programma in bin/pianoamm bin/pianoamm-cli libexec/pianoamm/pianoamm-stampa; do
    if readelf -d "$programma" | grep -E 'RPATH|RUNPATH'; then echo "$programma ha un RUNPATH"; exit 1; fi
done
esempio="--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006"
bin/pianoamm-cli $esempio | cmp - "$atteso"
bin/pianoamm-cli $esempio --pdf "$lavoro/esempio.pdf"
pdfinfo "$lavoro/esempio.pdf" | grep -qE '^Pages: +1$'
echo "pacchetto verificato: $(basename "$deb")"
