#!/usr/bin/env bash
# Takes the README's pictures from the real program: the three pages of the
# wizard with the worked example typed in, under Xvfb with a window manager,
# and the first page of a printout. Needs xvfb, openbox, xdotool, imagemagick
# and poppler-utils, and a built build/app/pianoamm.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/schermo_virtuale.sh :88 1024x768x24
# No recent files at first, whatever the user's: the menus are counted.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
openbox >/dev/null 2>&1 &
sleep 1

# A window found by its title; a window that goes while the search looks at
# it (the splash) fails the search, which is tried again.
trova() {
    local w=
    until w=$(xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$w" ]; do
        sleep 0.3
    done
    echo "$w"
}

build/app/pianoamm >/dev/null 2>&1 &
programma=$!
finestra=$(trova "Calcolo del piano")
sleep 0.5
xdotool windowactivate --sync "$finestra"
foto() { sleep 0.4; import -frame -window "$finestra" "docs/guida/immagini/$1.png"; }
avanti() { xdotool mousemove --window "$finestra" 511 398 click 1; }

xdotool key --delay 60 Tab Tab Tab
xdotool type --delay 40 "100000"
xdotool key Tab
xdotool type --delay 40 "10"
xdotool key Tab
xdotool type --delay 40 "5"
xdotool key Tab ctrl+a
xdotool type --delay 40 "06/04/2006"
foto pagina-dati
# The rate behind 10.500 a month on the same amount over ten months.
xdotool key alt+r
rata=$(trova "Calcola dalla rata")
xdotool windowactivate --sync "$rata"
xdotool key alt+r ctrl+a
xdotool type --delay 40 "10500"
xdotool key Tab
sleep 0.4
import -frame -window "$rata" docs/guida/immagini/dalla-rata.png
xdotool key Escape
xdotool windowactivate --sync "$finestra"
avanti
xdotool mousemove --window "$finestra" 40 186 click 1
foto pagina-cadenza
avanti
foto pagina-risultato
# The costs' window, from the listing's context menu by its item's letter, with
# the example of the README typed in.
xdotool mousemove --window "$finestra" 300 200 click 1
xdotool key Menu t
costi=$(trova "Costi, TAEG")
xdotool windowactivate --sync "$costi"
xdotool type --delay 40 "1500"
xdotool key Tab
xdotool type --delay 40 "0,25"
xdotool key Tab
xdotool type --delay 40 "2,5"
xdotool key Tab
sleep 0.4
import -frame -window "$costi" docs/guida/immagini/costi.png
xdotool key Escape
# The simulation: 20.000 repaid after the fifth installment, then its chart.
xdotool windowactivate --sync "$finestra"
xdotool mousemove --window "$finestra" 300 257 click 1
xdotool key Menu e
evento=$(trova "Estinzione anticipata")
xdotool windowactivate --sync "$evento"
xdotool type --delay 40 "20000"
xdotool key Return
simulazione=$(trova "^Simulazione$")
sleep 0.6
import -frame -window "$simulazione" docs/guida/immagini/simulazione.png
xdotool key alt+g
sleep 0.6
import -frame -window "$simulazione" docs/guida/immagini/grafico.png
# A suspension of whole installments added from the simulation's buttons.
xdotool key alt+n
sospensione=$(trova "Sospensione delle rate")
xdotool windowactivate --sync "$sospensione"
xdotool key alt+i
sleep 0.4
import -frame -window "$sospensione" docs/guida/immagini/sospensione.png
xdotool key Return
kill $programma

# Two offers compared: the example file opened from the command line, and
# the same loan at another bank's rate and fees added from the window.
build/app/pianoamm-cli docs/esempio.pianoamm --tasso 3,2 --spese-iniziali 900 --salva /tmp/banca-due.pianoamm \
    --nome "Banca Due" >/dev/null
build/app/pianoamm docs/esempio.pianoamm >/dev/null 2>&1 &
programma=$!
finestra=$(trova "esempio.pianoamm")
sleep 0.5
# A window from the listing's menu by its item's letter, a file chosen in it
# through its Alt+A button, and its picture.
con_file() {
    xdotool windowactivate --sync "$finestra"
    xdotool mousemove --window "$finestra" 300 200 click 1
    xdotool key Menu "$1"
    local aperta scelta
    aperta=$(trova "$2")
    xdotool windowactivate --sync "$aperta"
    xdotool key alt+a
    scelta=$(trova "$3")
    xdotool windowactivate --sync "$scelta"
    xdotool type --delay 20 "$4"
    xdotool key Return
    sleep 0.8
    import -frame -window "$aperta" "docs/guida/immagini/$5.png"
    xdotool key Escape
}
con_file f "Confronta offerte" "Aggiungi un'offerta" /tmp/banca-due.pianoamm confronto
# The bank's sample plan checked, its row 100 apart.
con_file b "Verifica il piano della banca" "Apri il piano della banca" "$(pwd)/docs/guida/piano-banca.csv" verifica
kill $programma
rm -f /tmp/banca-due.pianoamm

build/app/pianoamm-cli --importo 100000 --numero-rate 120 --tasso 5 --cadenza mensile --data 31/01/2008 \
    --pdf /tmp/pianoamm-schermate.pdf
pdftoppm -r 60 -png -f 1 -l 1 -singlefile /tmp/pianoamm-schermate.pdf docs/guida/immagini/pagina-stampata
rm -f /tmp/pianoamm-schermate.pdf
