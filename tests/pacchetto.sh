#!/usr/bin/env bash
# Builds the Debian package and looks into it: its files and dependencies, no
# RUNPATH, what Debian's checker and the validators of the menu entry and of
# the software centre's entry find (nothing), manual pages that name the
# options --help names, and its pianoamm-cli, run where unpacked, printing
# the worked example and, through the helper installed beside it, its
# printout.
set -euo pipefail
lavoro=$(mktemp -d) && trap 'rm -rf "$lavoro"' EXIT
(cd "$1" && cpack -G DEB -B "$lavoro/pacchetti" >/dev/null)
deb=$(ls "$lavoro"/pacchetti/pianoamm_*.deb)
elenco=$(dpkg-deb -c "$deb" | awk '{print $6}') dipendenze=$(dpkg-deb -f "$deb" Depends)
for voce in ./usr/bin/pianoamm ./usr/bin/pianoamm-cli ./usr/libexec/pianoamm/pianoamm-{stampa,pdf} \
    ./usr/share/doc/pianoamm/{copyright,changelog.gz} ./usr/share/man/man1/pianoamm{,-cli}.1.gz \
    ./usr/share/applications/pianoamm.desktop ./usr/share/icons/hicolor/{16x16,48x48,256x256}/apps/pianoamm.png \
    libqt6widgets6 libqt6printsupport6 libcups2 qt6-qpa-plugins fonts-liberation2; do
    grep -qxF "$voce" <<<"$elenco" || grep -qw "$voce" <<<"$dipendenze" || { echo "manca nel pacchetto: $voce"; exit 1; }
done
# Any tag at error or warning level fails; lintian's remark on running as
# root is not a tag.
lintian --fail-on error,warning "$deb" 2>&1 | grep -v '^running with root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1
dpkg-deb -x "$deb" "$lavoro/radice"
cd "$lavoro/radice/usr"
grep -qx 'Categories=Office;Finance;' share/applications/pianoamm.desktop
desktop-file-validate share/applications/pianoamm.desktop
appstreamcli validate --no-net share/metainfo/*.metainfo.xml >/dev/null
for programma in pianoamm pianoamm-cli; do
    opzioni() { grep -oE -- '--[a-z][a-z-]*' | sort -u; }
    diff <(bin/$programma --help | opzioni) <(zcat share/man/man1/$programma.1.gz | sed 's/\\-/-/g' | opzioni) \
        || { echo "--help e la pagina di manuale di $programma nominano opzioni diverse"; exit 1; }
    [ "$(bin/$programma --version)" = "$programma $(dpkg-deb -f "$deb" Version)" ]
done
readelf -d bin/pianoamm bin/pianoamm-cli libexec/pianoamm/pianoamm-{stampa,pdf} | grep -E 'RPATH|RUNPATH' && exit 1
esempio="--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006"
bin/pianoamm-cli $esempio | cmp - "$2"
bin/pianoamm-cli $esempio --pdf "$lavoro/esempio.pdf" && pdfinfo "$lavoro/esempio.pdf" >/dev/null
echo "pacchetto verificato: $(basename "$deb")"
