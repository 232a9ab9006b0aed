"""Memory and idle figures of the real program on an X server.

The program is driven by real pointer clicks and key presses (xdotool) at the
places its screens give their controls: the start screen, the menu and the
voice settings screen are stretched to the display, so a control's place is
its design place in twips times the screen's size over its design size; the
exercise screens keep their design size at 15 twips to the pixel.

  memory  a session through every screen: the start screen, every exercise
          button of the menu (and back through "Esci"), the voice settings
          screen, the credits, and "Esci" answered Yes. The peak resident
          memory of the whole run is what the kernel reports when it ends.
  idle    an exercise screen left open once its speech is over: the CPU time
          every thread of the program uses over the window, and how often
          each thread wakes up (a timer that fires wakes its thread).

Each figure is set against the bare Qt Widgets window run the same way.
Prints the detail and one "| " row for the results table.
"""

import argparse
import os
import statistics
import subprocess
import sys
import time

# Design sizes (twips) of the scaled screens and the centres of their controls.
AVVIO = (9120, 6750)
MENU = (10095, 7335)
IMPOSTA = (7680, 5820)
TWIP_PER_PIXEL = 15


def centro(left, top, width, height):
    return (left + width / 2, top + height / 2)


BOTTONE_AVVIO = centro(2520, 4800, 3495, 1215)
# The twenty exercise buttons: columns 12-hour click, 12-hour arrows, 24-hour
# click, 24-hour arrows; rows from whole hours to five minutes.
ESERCIZI = [centro(left, top, 2300, 1000)
            for top in (480, 1560, 2640, 3720, 4800)
            for left in (240, 2640, 5040, 7440)]
IMPOSTA_VOCE = centro(2640, 6000, 2300, 1000)
INFORMAZIONI = centro(5040, 6000, 2300, 1000)
ESCI_MENU = centro(7440, 6000, 2300, 1000)
BOCCA_IMPOSTA = centro(240, 480, 3855, 2655)
CONFERMA_IMPOSTA = centro(5400, 4080, 1935, 1215)
ESCI_ESERCIZIO = centro(6960, 6480, 2160, 1065)

MB = 1024 * 1024


class SessioneFallita(Exception):
    pass


def xdotool(*argomenti):
    risultato = subprocess.run(["xdotool", *map(str, argomenti)], capture_output=True, text=True,
                               timeout=20)
    if risultato.returncode != 0 and argomenti[0] != "search":
        raise SessioneFallita(f"xdotool {' '.join(map(str, argomenti))}: {risultato.stderr.strip()}")
    return risultato.stdout


def attendi(condizione, secondi, cosa):
    scadenza = time.monotonic() + secondi
    while True:
        valore = condizione()
        if valore:
            return valore
        if time.monotonic() > scadenza:
            raise SessioneFallita(f"timed out after {secondi} s waiting for {cosa}")
        time.sleep(0.05)


class Programma:
    """One run of a program, with its windows as the X server sees them."""

    def __init__(self, eseguibile):
        # The program's own complaints go to this script's error log.
        self.proc = subprocess.Popen([eseguibile], stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL)
        self.pid = self.proc.pid
        self.picco_kb = None

    def finestre(self):
        uscita = xdotool("search", "--onlyvisible", "--pid", self.pid)
        return [int(w) for w in uscita.split()]

    def geometria(self, finestra):
        valori = dict(riga.split("=", 1)
                      for riga in xdotool("getwindowgeometry", "--shell", finestra).split())
        return tuple(int(valori[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def nuova_finestra(self, vecchie, cosa, secondi=20):
        """The one window shown once every window in `vecchie` has gone,
        after it has taken its final place and size (screens fill the display
        on activation)."""
        def pronta():
            adesso = self.finestre()
            nuove = [w for w in adesso if w not in vecchie]
            if len(nuove) != 1 or any(w in vecchie for w in adesso):
                return None
            return nuove[0]
        try:
            finestra = attendi(pronta, secondi, cosa)
        except SessioneFallita as errore:
            stato = "running" if self.proc.poll() is None else f"ended ({self.proc.returncode})"
            raise SessioneFallita(f"{errore}; the program is {stato}, its windows "
                                  f"{self.finestre()}, before {vecchie}") from None
        prima = None
        def ferma():
            nonlocal prima
            g = self.geometria(finestra)
            stabile = g == prima
            prima = g
            return stabile
        attendi(ferma, 5, f"{cosa} to settle")
        return finestra

    def clic(self, finestra, punto, progetto=None):
        """A click at a design point (twips) of `finestra`: stretched to the
        window when the screen has a design size `progetto`, else at 15
        twips to the pixel."""
        x, y, larghezza, altezza = self.geometria(finestra)
        if progetto:
            px, py = punto[0] * larghezza / progetto[0], punto[1] * altezza / progetto[1]
        else:
            px, py = punto[0] / TWIP_PER_PIXEL, punto[1] / TWIP_PER_PIXEL
        xdotool("mousemove", "--sync", int(x + px), int(y + py), "click", "1")

    def rispondi_si(self, vecchie, cosa):
        """Answers the message box that opens over `vecchie` with its default
        button (Return), with the pointer on the box so that it has the keys."""
        scatola = attendi(lambda: [w for w in self.finestre() if w not in vecchie][:1], 20, cosa)[0]
        x, y, larghezza, altezza = self.geometria(scatola)
        xdotool("mousemove", "--sync", x + larghezza // 2, y + altezza // 4)
        xdotool("key", "Return")
        return scatola

    def memoria_kb(self, campo):
        with open(f"/proc/{self.pid}/status") as f:
            for riga in f:
                if riga.startswith(campo + ":"):
                    return int(riga.split()[1])
        return 0

    def fili(self):
        """Per thread: (name, CPU nanoseconds, wake-ups) from /proc."""
        fili = {}
        cartella = f"/proc/{self.pid}/task"
        for tid in os.listdir(cartella):
            try:
                with open(f"{cartella}/{tid}/comm") as f:
                    nome = f.read().strip()
                with open(f"{cartella}/{tid}/schedstat") as f:
                    cpu = int(f.read().split()[0])
                sveglie = 0
                with open(f"{cartella}/{tid}/status") as f:
                    for riga in f:
                        if riga.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                            sveglie += int(riga.split()[1])
            except OSError:
                continue  # the thread ended meanwhile
            fili[tid] = (nome, cpu, sveglie)
        return fili

    def fine(self, secondi=20):
        """Waits for the program to end by itself; the peak resident memory
        of the whole run comes with its exit status."""
        scadenza = time.monotonic() + secondi
        while time.monotonic() < scadenza:
            pid, _status, uso = os.wait4(self.pid, os.WNOHANG)
            if pid == self.pid:
                self.picco_kb = uso.ru_maxrss
                self.proc.returncode = 0
                return
            time.sleep(0.05)
        raise SessioneFallita("the program did not end after \"Esci\" answered Yes")

    def termina(self):
        if self.proc.returncode is None and self.picco_kb is None:
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


def apri_menu(p):
    avvio = p.nuova_finestra([], "the start screen")
    p.clic(avvio, BOTTONE_AVVIO, AVVIO)
    return p.nuova_finestra([avvio], "the menu")


def apri_esercizio(p, menu, bottone):
    p.clic(menu, bottone, MENU)
    return p.nuova_finestra([menu], "an exercise screen")


def sessione_completa(eseguibile, rapida, pausa):
    """Every screen once, then "Esci": returns the peak resident memory (kB)."""
    p = Programma(eseguibile)
    try:
        menu = apri_menu(p)
        bottoni = [ESERCIZI[0], ESERCIZI[1]] if rapida else ESERCIZI
        for bottone in bottoni:
            esercizio = apri_esercizio(p, menu, bottone)
            time.sleep(pausa)  # the instruction and the question are being spoken
            p.clic(esercizio, ESCI_ESERCIZIO)
            scatola = p.rispondi_si([esercizio], "\"Vuoi tornare al menù?\"")
            menu = p.nuova_finestra([esercizio, scatola], "the menu again")
        p.clic(menu, IMPOSTA_VOCE, MENU)
        imposta = p.nuova_finestra([menu], "the voice settings screen")
        p.clic(imposta, BOCCA_IMPOSTA, IMPOSTA)
        time.sleep(pausa)
        p.clic(imposta, CONFERMA_IMPOSTA, IMPOSTA)
        menu = p.nuova_finestra([imposta], "the menu after \"conferma\"")
        p.clic(menu, INFORMAZIONI, MENU)
        scatola = p.rispondi_si([menu], "the credits")
        attendi(lambda: scatola not in p.finestre(), 10, "the credits to close")
        attuale = p.memoria_kb("VmHWM")
        p.clic(menu, ESCI_MENU, MENU)
        p.rispondi_si([menu], "\"Vuoi uscire dal programma?\"")
        p.fine()
        return max(p.picco_kb, attuale)
    finally:
        p.termina()


def picco_pavimento(eseguibile):
    p = Programma(eseguibile)
    try:
        p.nuova_finestra([], "the bare window")
        time.sleep(1)
        return p.memoria_kb("VmHWM")
    finally:
        p.termina()


def figura_memoria(argomenti):
    picchi, pavimenti = [], []
    for _ in range(argomenti.ripetizioni):
        picchi.append(sessione_completa(argomenti.programma, argomenti.rapida, argomenti.pausa))
        pavimenti.append(picco_pavimento(argomenti.pavimento))
    mediana = statistics.median(picchi) * 1024 / MB
    pavimento = statistics.median(pavimenti) * 1024 / MB
    schermate = "two exercises" if argomenti.rapida else "all 20 exercise buttons"
    print(f"peak resident memory, session ({schermate}): {mediana:.1f} MB "
          f"(runs: {', '.join(f'{k / 1024:.1f}' for k in picchi)})")
    print(f"peak resident memory, bare Qt Widgets window: {pavimento:.1f} MB")
    esito = "met" if mediana < 60 else "missed"
    print(f"| 5. Memory, peak resident over a session through every screen ({schermate}) "
          f"| {mediana:.1f} MB (n {len(picchi)}) | bare Qt Widgets window: {pavimento:.1f} MB "
          f"| < 60 MB | {esito} |")


def quiete(p, massimo):
    """Waits until the program has used under a millisecond of CPU in a whole
    second (its speech is over), at most `massimo` seconds. Returns whether it
    got there."""
    scadenza = time.monotonic() + massimo
    prima = sum(cpu for _n, cpu, _s in p.fili().values())
    while time.monotonic() < scadenza:
        time.sleep(1)
        adesso = sum(cpu for _n, cpu, _s in p.fili().values())
        if adesso - prima < 1_000_000:
            return True
        prima = adesso
    return False


def misura_inattivita(p, secondi):
    """CPU milliseconds and wake-ups of each thread over `secondi`."""
    prima = p.fili()
    time.sleep(secondi)
    dopo = p.fili()
    cpu, sveglie, per_filo = 0, 0, []
    for tid, (nome, c, s) in dopo.items():
        c0, s0 = prima.get(tid, (nome, 0, 0))[1:]
        cpu += c - c0
        sveglie += s - s0
        if s - s0:
            per_filo.append(f"{nome} {s - s0}")
    return cpu / 1e6, sveglie, per_filo


def figura_inattivita(argomenti):
    programma, pavimento = [], []
    dettagli = []
    for _ in range(argomenti.ripetizioni):
        p = Programma(argomenti.programma)
        try:
            menu = apri_menu(p)
            apri_esercizio(p, menu, ESERCIZI[0])
            if not quiete(p, 30):
                print("note: the program never went quiet within 30 s")
            cpu, sveglie, per_filo = misura_inattivita(p, argomenti.finestra)
            programma.append((cpu, sveglie))
            dettagli.append(per_filo)
        finally:
            p.termina()
        q = Programma(argomenti.pavimento)
        try:
            q.nuova_finestra([], "the bare window")
            quiete(q, 10)
            cpu, sveglie, _ = misura_inattivita(q, argomenti.finestra)
            pavimento.append((cpu, sveglie))
        finally:
            q.termina()
    cpu = statistics.median(c for c, _ in programma)
    sveglie = statistics.median(s for _, s in programma)
    cpu0 = statistics.median(c for c, _ in pavimento)
    sveglie0 = statistics.median(s for _, s in pavimento)
    print(f"idle over {argomenti.finestra:g} s, exercise screen \"Solo ore\" open: CPU {cpu:.2f} ms, "
          f"{sveglie:g} wake-ups")
    for i, per_filo in enumerate(dettagli):
        print(f"  run {i + 1}: threads that woke: {', '.join(per_filo) or 'none'}")
    print(f"idle, bare Qt Widgets window: CPU {cpu0:.2f} ms, {sveglie0:g} wake-ups")
    esito = "met" if cpu < 5 * argomenti.finestra / 10 and sveglie <= sveglie0 else "missed"
    print(f"| 6. Idle, {argomenti.finestra:g} s with an exercise screen open, nothing spoken "
          f"| CPU {cpu:.2f} ms, {sveglie:g} wake-ups (n {len(programma)}) "
          f"| bare Qt Widgets window: CPU {cpu0:.2f} ms, {sveglie0:g} wake-ups "
          f"| no timers firing, < 5 ms in 10 s | {esito} |")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("figura", choices=["memory", "idle"])
    parser.add_argument("--programma", required=True)
    parser.add_argument("--pavimento", required=True, help="the bare Qt Widgets window")
    parser.add_argument("--ripetizioni", type=int, default=3)
    parser.add_argument("--rapida", action="store_true", help="two exercises, a short window")
    parser.add_argument("--finestra", type=float, default=10.0, help="idle window in seconds")
    parser.add_argument("--pausa", type=float, default=1.5,
                        help="seconds on each talking screen before leaving it")
    argomenti = parser.parse_args()
    try:
        if argomenti.figura == "memory":
            figura_memoria(argomenti)
        else:
            figura_inattivita(argomenti)
    except SessioneFallita as errore:
        print(f"session failed: {errore}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
