#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it: the files it
# installs, its dependencies, and its pianoamm-cli printing the worked example.
set -euo pipefail
build=$1
atteso=$2
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

(cd "$build" && cpack -G DEB -B "$lavoro/pacchetti" >/dev/null)
deb=$(ls "$lavoro"/pacchetti/pianoamm_*.deb)

elenco=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/pianoamm ./usr/bin/pianoamm-cli ./usr/share/applications/pianoamm.desktop \
            ./usr/share/icons/hicolor/16x16/apps/pianoamm.png ./usr/share/icons/hicolor/48x48/apps/pianoamm.png \
            ./usr/share/icons/hicolor/256x256/apps/pianoamm.png; do
    grep -qx "$file" <<<"$elenco" || { echo "manca nel pacchetto: $file"; exit 1; }
done

dipendenze=$(dpkg-deb -f "$deb" Depends)
for pacchetto in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-liberation2; do
    grep -q "$pacchetto" <<<"$dipendenze" || { echo "dipendenza mancante: $pacchetto ($dipendenze)"; exit 1; }
done

dpkg-deb -x "$deb" "$lavoro/radice"
grep -qx 'Categories=Office;Finance;' "$lavoro/radice/usr/share/applications/pianoamm.desktop"
"$lavoro/radice/usr/bin/pianoamm-cli" --importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale \
    --data 06/04/2006 >"$lavoro/listato.txt"
cmp "$lavoro/listato.txt" "$atteso"
echo "pacchetto verificato: $(basename "$deb")"
