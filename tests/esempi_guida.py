#!/usr/bin/env python3
"""Runs every command the guide shows and compares what it prints.

Usage: esempi_guida.py CLI GUIDA_DIR ESEMPIO_FILE

A ```console block opens with "$ pianoamm-cli ARGS", run in a folder
holding the example loan and the guide's CSV files, then the standard
output and standard error as they appear; a line "…" stands for any number
of lines, a last line "(codice di uscita N)" for an exit other than 0.
Trailing blanks are not compared: a page cannot show them.
"""

import pathlib
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

BLOCCO = re.compile(r"^```console\n(.*?)^```$", re.S | re.M)
USCITA = re.compile(r"^\(codice di uscita (\d+)\)$")
COLLEGAMENTO = re.compile(r"\]\(([^):#]+)\)")


def esempi(cartella):
    for pagina in sorted(pathlib.Path(cartella).glob("*.md")):
        for blocco in BLOCCO.finditer(pagina.read_text(encoding="utf-8")):
            righe = blocco.group(1).splitlines()
            uscita = USCITA.match(righe[-1]) if len(righe) > 1 else None
            yield pagina.name, righe[0], righe[1:-1] if uscita else righe[1:], int(uscita.group(1)) if uscita else 0


def collegamenti_rotti(cartella):
    # Every page and picture a page links to is in the guide.
    for pagina in sorted(pathlib.Path(cartella).glob("*.md")):
        for destinazione in COLLEGAMENTO.findall(pagina.read_text(encoding="utf-8")):
            if not (pagina.parent / destinazione).is_file():
                yield f"{pagina.name}: {destinazione} non c'è"


def modello(attese):
    # Each line literally, "…" as any run of whole lines.
    parti = ["(?:[^\n]*\n)*?" if riga == "…" else re.escape(riga) + "\n" for riga in attese]
    return re.compile("".join(parti))


def esegui(cli, guida, esempio, comando):
    argomenti = shlex.split(comando[2:])
    if comando[:2] != "$ " or not argomenti or argomenti[0] != "pianoamm-cli":
        return None, f"il comando non è «$ pianoamm-cli …»: {comando}"
    with tempfile.TemporaryDirectory() as cartella:
        shutil.copy(esempio, pathlib.Path(cartella) / "esempio.pianoamm")
        # The series of an index the examples read, beside the loan.
        for serie in pathlib.Path(guida).glob("*.csv"):
            shutil.copy(serie, cartella)
        fatto = subprocess.run([cli] + argomenti[1:], cwd=cartella, capture_output=True, timeout=60)
    testo = (fatto.stdout + fatto.stderr).decode("utf-8", errors="replace")
    return fatto.returncode, "".join(riga.rstrip() + "\n" for riga in testo.splitlines())


def main():
    if len(sys.argv) != 4:
        sys.exit("Uso: esempi_guida.py CLI GUIDA_DIR ESEMPIO_FILE")
    cli, guida, esempio = sys.argv[1:]
    trovati = list(esempi(guida))
    falliti = 0
    for pagina, comando, attese, uscitaAttesa in trovati:
        uscita, testo = esegui(cli, guida, esempio, comando)
        attese = [riga.rstrip() for riga in attese]
        if uscita == uscitaAttesa and modello(attese).fullmatch(testo):
            continue
        falliti += 1
        print(f"{pagina}: {comando}\n--- atteso (codice di uscita {uscitaAttesa}):\n" + "\n".join(attese))
        print(f"--- ottenuto (codice di uscita {uscita}):\n{testo}")
    rotti = list(collegamenti_rotti(guida))
    for rotto in rotti:
        print(rotto)
    if not trovati:
        print(f"Nessun esempio in {guida}")
        return 1
    print(f"{len(trovati) - falliti} esempi su {len(trovati)} come nella guida")
    return 1 if falliti or rotti else 0


if __name__ == "__main__":
    sys.exit(main())
