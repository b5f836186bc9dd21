#!/usr/bin/env bash
# The window program's words: --help and --version answered on the terminal, one loan file taken, any other word refused
# before the toolkit sees it; no display to open a window on is told in one Italian line. Rows: exit code, what standard
# error holds (its first line), the command.
set -u
p=$1 versione=$2 falliti=0
prova() {
    local errori
    errori=$(eval "$3" 2>&1 >/dev/null)
    local u=$?
    if [ "$u" != "$1" ] || [[ "$errori" != "$2"* ]] || { [ "$1" = 1 ] && [ "$(wc -l <<<"$errori")" != 1 ]; }; then
        echo "NON RIUSCITA: $3 (uscita $u) $errori"
        falliti=1
    fi
}
prova 0 '' '[ "$("$p" --version)" = "pianoamm $versione" ]'
prova 0 '' '"$p" -h | grep -q "^Uso: pianoamm"'
prova 2 'pianoamm: argomento non riconosciuto: «-platform».' 'QT_QPA_PLATFORM=offscreen "$p" -platform offscreen'
prova 2 'pianoamm: argomento non riconosciuto: «b.pianoamm».' '"$p" --help a.pianoamm b.pianoamm'
prova 1 'pianoamm: impossibile aprire la finestra: nessuno schermo' 'env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$p"'
prova 1 'pianoamm: impossibile aprire la finestra: lo schermo non è raggiungibile.' \
    'env -u WAYLAND_DISPLAY DISPLAY=/nessuno-schermo:0 QT_QPA_PLATFORM=xcb "$p"'
exit $falliti
