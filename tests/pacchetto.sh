#!/usr/bin/env bash
# Builds the Debian package and looks into it: its files and dependencies, no RUNPATH, what Debian's checker and the
# validators of the menu entry and of the software centre's entry find (nothing), the loan files' type as a desktop
# finds it once the package is in (by the extension, with the program to open it and the type's icon), manual pages that
# name the options --help names, and its pianoamm-cli, run where unpacked, printing the worked example and, through the
# helper installed beside it, its printout.
set -euo pipefail
sorgenti=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lavoro=$(mktemp -d) && trap 'rm -rf "$lavoro"' EXIT
(cd "$1" && cpack -G DEB -B "$lavoro/pacchetti" >/dev/null)
deb=$(ls "$lavoro"/pacchetti/pianoamm_*.deb)
elenco=$(dpkg-deb -c "$deb" | awk '{print $6}') dipendenze=$(dpkg-deb -f "$deb" Depends)
for voce in ./usr/bin/pianoamm ./usr/bin/pianoamm-cli ./usr/libexec/pianoamm/pianoamm-{stampa,pdf} \
    ./usr/share/doc/pianoamm/{copyright,changelog.gz,esempio.pianoamm} ./usr/share/man/man1/pianoamm{,-cli}.1.gz \
    ./usr/share/applications/pianoamm.desktop ./usr/share/icons/hicolor/{16x16,48x48,256x256}/apps/pianoamm.png \
    ./usr/share/mime/packages/pianoamm.xml \
    libqt6widgets6 libqt6printsupport6 libcups2 qt6-qpa-plugins fonts-liberation2; do
    grep -qxF "$voce" <<<"$elenco" || grep -qw "$voce" <<<"$dipendenze" || { echo "manca nel pacchetto: $voce"; exit 1; }
done
# Any tag at error or warning level fails; lintian's remark on running as root is not a tag.
lintian --fail-on error,warning "$deb" 2>&1 | grep -v '^running with root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1
dpkg-deb -x "$deb" "$lavoro/radice"
cd "$lavoro/radice/usr"
grep -qx 'Categories=Office;Finance;' share/applications/pianoamm.desktop
# The menu entry opens the loan file it is given.
grep -qx 'Exec=pianoamm %f' share/applications/pianoamm.desktop
desktop-file-validate share/applications/pianoamm.desktop
appstreamcli validate --no-net share/metainfo/*.metainfo.xml >/dev/null

# The loan files' type. On a system the triggers of shared-mime-info and desktop-file-utils build the databases from the
# package's files; here the same commands build them in a copy of its share/ that alone is searched, beside the system's
# own types, so that JSON, and other types' first bytes, are there to compete. The user's folders are empty ones of the
# test.
xmllint --noout share/mime/packages/pianoamm.xml
dati=$lavoro/dati casa=$lavoro/casa
mkdir -p "$dati" "$casa"
cp -r share/mime share/applications "$dati/"
cp /usr/share/mime/packages/freedesktop.org.xml "$dati/mime/packages/"
ambiente=(env -i PATH="$PWD/bin:/usr/bin:/bin" HOME="$casa" XDG_DATA_HOME="$casa" XDG_CONFIG_HOME="$casa"
          XDG_CONFIG_DIRS="$casa" XDG_DATA_DIRS="$dati" GIO_USE_VFS=local)
# update-mime-database ends well even when it cannot read a file: anything it says is the failure.
messaggi=$("${ambiente[@]}" update-mime-database "$dati/mime" 2>&1)
[ -z "$messaggi" ] || { echo "update-mime-database: $messaggi"; exit 1; }
"${ambiente[@]}" update-desktop-database "$dati/applications"
grep -qx 'application/x-pianoamm application/json' "$dati/mime/subclasses" \
    || { echo "il tipo application/x-pianoamm non discende da application/json"; exit 1; }
# What a file manager (GLib's) takes a file for. GLib takes every empty file for text/plain, whatever its name, so the
# other content is a PDF's first bytes, which its content alone would make application/pdf; the example under another
# name is plain JSON: the name alone decides.
attributo() { "${ambiente[@]}" gio info -a "standard::$1" "$2" | sed -n "s/^ *standard::$1: //p"; }
tipo() {
    local trovato
    trovato=$(attributo content-type "$1")
    [ "$trovato" = "$2" ] || { echo "tipo di $1: $trovato invece di $2"; exit 1; }
}
printf '%%PDF-1.4\n' >"$lavoro/altro.pianoamm"
cp "$sorgenti/docs/esempio.pianoamm" "$lavoro/esempio.json"
tipo "$sorgenti/docs/esempio.pianoamm" application/x-pianoamm
tipo "$lavoro/altro.pianoamm" application/x-pianoamm
tipo "$lavoro/esempio.json" application/json
"${ambiente[@]}" gio mime application/x-pianoamm | grep -x $'\tpianoamm.desktop' >/dev/null \
    || { echo "pianoamm.desktop non apre i file application/x-pianoamm"; exit 1; }
icona=$(attributo icon "$sorgenti/docs/esempio.pianoamm") icona=${icona%%,*}
for lato in 16 32 48 64 128 256; do
    [ -f "share/icons/hicolor/${lato}x$lato/mimetypes/$icona.png" ] || { echo "manca l'icona $icona ($lato)"; exit 1; }
done

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
