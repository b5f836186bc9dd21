#!/usr/bin/env bash
# Renders the drawings in sorgenti/ into the icons and the splash picture that
# the program embeds. Run it after changing a drawing, and commit the results;
# the build itself only reads the finished files.
# Needs: librsvg2-bin (rsvg-convert), imagemagick (convert), icoutils (icotool).
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert=/usr/bin/convert

# png NAME SIZE COLOURS: the drawing at SIZE pixels, reduced to COLOURS colours
# with a one-bit transparency mask, as an icon image wants.
png() {
    rsvg-convert -w "$2" -h "$2" "sorgenti/$1.svg" -o "$tmp/$1-$2.png"
    "$convert" "$tmp/$1-$2.png" -channel A -threshold 50% +channel \
        -dither None -colors "$(( $3 - 1 ))" "PNG8:$tmp/$1-$2-$3.png"
    echo "$tmp/$1-$2-$3.png"
}

icotool -c -o oro.ico "$(png oro 32 16)" "$(png oro 16 16)"
icotool -c -o globo.ico "$(png globo 32 256)"
icotool -c -o stampante.ico \
    "$(png stampante 16 16)" "$(png stampante 16 256)" \
    "$(png stampante 32 16)" "$(png stampante 32 256)" \
    "$(png stampante 48 16)" "$(png stampante 48 256)"
icotool -c -o blocco.ico "$(png blocco 32 16)" "$(png blocco 16 16)"
icotool -c -o orologio.ico "$(png orologio 32 256)" "$(png orologio 48 256)" "$(png orologio 16 256)"

rsvg-convert sorgenti/splash.svg -o "$tmp/splash.png"
"$convert" "$tmp/splash.png" -background white -flatten -quality 92 -sampling-factor 1x1 splash.jpg

# The program's icon for the desktop menu, in the sizes of the icon theme.
for lato in 16 32 48 64 128 256; do
    rsvg-convert -w $lato -h $lato sorgenti/oro.svg -o icone/pianoamm-$lato.png
done

# The icon of the program's loan files (.pianoamm), in the same sizes: a sheet
# with the program's drawing on it. rsvg does not carry gradients across
# files, so the drawing is copied into the sheet's document first.
{ sed '$d' sorgenti/documento.svg; echo '<defs><g id="disegno">'; sed '1d;$d' sorgenti/oro.svg; echo '</g></defs></svg>'; } \
    >"$tmp/documento.svg"
for lato in 16 32 48 64 128 256; do
    rsvg-convert -w $lato -h $lato "$tmp/documento.svg" -o icone/application-x-pianoamm-$lato.png
done
