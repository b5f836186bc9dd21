#!/usr/bin/env bash
# Builds the Debian package and looks into it: its files and dependencies, no
# RUNPATH, and its pianoamm-cli, run where unpacked, printing the worked
# example and, through the helper installed beside it, its printout.
set -euo pipefail
lavoro=$(mktemp -d) && trap 'rm -rf "$lavoro"' EXIT
(cd "$1" && cpack -G DEB -B "$lavoro/pacchetti" >/dev/null)
deb=$(ls "$lavoro"/pacchetti/pianoamm_*.deb)
elenco=$(dpkg-deb -c "$deb" | awk '{print $6}') dipendenze=$(dpkg-deb -f "$deb" Depends)
for voce in ./usr/bin/pianoamm ./usr/bin/pianoamm-cli ./usr/libexec/pianoamm/pianoamm-stampa \
    ./usr/share/applications/pianoamm.desktop ./usr/share/icons/hicolor/{16x16,48x48,256x256}/apps/pianoamm.png \
    libqt6widgets6 libqt6printsupport6 libcups2 qt6-qpa-plugins fonts-liberation2; do
    grep -qxF "$voce" <<<"$elenco" || grep -qw "$voce" <<<"$dipendenze" || { echo "manca nel pacchetto: $voce"; exit 1; }
done
dpkg-deb -x "$deb" "$lavoro/radice"
cd "$lavoro/radice/usr"
grep -qx 'Categories=Office;Finance;' share/applications/pianoamm.desktop
readelf -d bin/pianoamm bin/pianoamm-cli libexec/pianoamm/pianoamm-stampa | grep -E 'RPATH|RUNPATH' && exit 1
esempio="--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006"
bin/pianoamm-cli $esempio | cmp - "$2"
bin/pianoamm-cli $esempio --pdf "$lavoro/esempio.pdf" && pdfinfo "$lavoro/esempio.pdf" >/dev/null
echo "pacchetto verificato: $(basename "$deb")"
