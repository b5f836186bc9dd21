#!/usr/bin/python3
"""What a screen reader hears of the program, through AT-SPI.

  atspi.py albero PID TITOLO   each control of window TITOLO that takes the
                               focus: "ruolo<TAB>nome", a line each
  atspi.py ascolta PID         "pronto", then "ruolo<TAB>nome" of each
                               object that appears or is renamed while
                               showing, until stdin closes
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def programma(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    sys.exit("nessun programma accessibile con pid %d" % pid)


def controlli(oggetto):
    for i in range(oggetto.get_child_count()):
        figlio = oggetto.get_child_at_index(i)
        if figlio is None:
            continue
        stati = figlio.get_state_set()
        if not stati.contains(Atspi.StateType.SHOWING):
            continue
        if stati.contains(Atspi.StateType.FOCUSABLE):
            yield figlio
        yield from controlli(figlio)


def albero(pid, titolo):
    app = programma(pid)
    for i in range(app.get_child_count()):
        finestra = app.get_child_at_index(i)
        # The title as shown: a change mark is an asterisk or nothing.
        if finestra.get_name().replace("*", "") == titolo.replace("[*]", ""):
            for controllo in controlli(finestra):
                print("%s\t%s" % (controllo.get_role_name(), controllo.get_name()))
            return
    sys.exit("nessuna finestra «%s»" % titolo)


def ascolta(pid):
    def evento(e):
        try:
            if e.source.get_process_id() != pid:
                return
            if e.type.startswith("object:state-changed:showing") and not e.detail1:
                return
            print("%s\t%s" % (e.source.get_role_name(), e.source.get_name()), flush=True)
        except GLib.Error:
            pass  # the object went away meanwhile

    ascoltatore = Atspi.EventListener.new(evento)
    ascoltatore.register("object:state-changed:showing")
    ascoltatore.register("object:property-change:accessible-name")
    ciclo = GLib.MainLoop()
    # The program learns of the listener through the registry: a moment,
    # longer on a busy machine.
    GLib.timeout_add(1500, lambda: print("pronto", flush=True) or False)
    GLib.io_add_watch(GLib.IOChannel.unix_new(sys.stdin.fileno()), GLib.PRIORITY_DEFAULT,
                      GLib.IOCondition.IN | GLib.IOCondition.HUP, lambda *_: ciclo.quit() or False)
    ciclo.run()


if __name__ == "__main__":
    if sys.argv[1] == "albero":
        albero(int(sys.argv[2]), sys.argv[3])
    else:
        ascolta(int(sys.argv[2]))
