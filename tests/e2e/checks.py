"""The end-to-end checks, in the order they run: what only a real desktop
shows of the installed program, driven through the accessibility interface
(dogtail), real pointer clicks and key presses."""

import array
import contextlib
import glob
import math
import os
import re
import time
from pathlib import Path

from dogtail import rawinput, tree
from gi.repository import Atspi

import speech_service
from harness import Program, Recorder, StageFailure, expect, run_quiet, wait_for

BACK_TO_MENU = "Vuoi tornare al menù?"
EXIT_PROGRAM = "Vuoi uscire dal programma?"
QUESTION = "Uso dell'ertavino"  # the title of the program's questions
NAME = "Ertavino"  # the title of every screen
DESKTOP_ENTRY = "share/applications/org.example.Ertavino.desktop"
INSTRUCTION = "Clicca dove deve arrivare la lancetta rossa"
# Loudness, a fraction of full scale: speech is far above; an idle sink gives zeros.
SPEAKING, SILENT = 0.01, 0.001
SPEECH_SPAN = 1.5  # seconds after an exercise opens when only its speech plays
FETCH_PICO = Path(__file__).parent.parent / "speech" / "scarica_pico.sh"


def settings_bytes(voice, speed):  # the settings file as the program writes it
    return f" {voice} \r\n {speed} \r\n".encode()


def saved(stage, expected):
    path = Path(stage.settings_file)
    content = path.read_bytes() if path.exists() else None
    expect(content == expected, f"the settings file holds {content!r}, not {expected!r}")


def launch(stage, settings=None, menu=False, env=None):
    """Starts the program (with env) and settings as its settings file, finds it
    on the accessibility bus by process id (two copies may run), opens its menu."""
    Path(stage.settings_file).unlink(missing_ok=True)
    if settings:
        Path(stage.settings_file).write_bytes(settings)
    program = Program(stage.processes, os.path.join(stage.prefix, "bin", "ertavino"), env)

    def find_app():
        expect(program.proc.poll() is None, f"the program ended with status {program.proc.poll()}")
        return next((a for a in tree.root.applications() if a.get_process_id() == program.pid),
                    None)
    program.app = wait_for(find_app, 20, "the program on the accessibility bus")
    program.app.set_cache_mask(Atspi.Cache.NONE)  # names and states change with every click
    if menu:
        find(program.app, "Avvio").click()
        find(program.app, "Imposta voce")
    return program


def find(app, name=None, role="push button", test=None, what=None):
    """The first shown node of that role (and name), or that test accepts."""
    test = test or (lambda n: n.roleName == role and name in (None, n.name))
    return wait_for(lambda: app.findChild(test, retry=False, requireResult=False), 10,
                    what or f"{role} '{name}'")


def dialogs(app):
    return app.findChildren(lambda n: n.roleName in ("alert", "dialog"))


def xdotool(*args):
    return run_quiet(["xdotool", *map(str, args)]).stdout.split()


def newest(program, title):
    """The newest window the program shows, once titled title for a window manager."""
    def titled():
        window = xdotool("search", "--onlyvisible", "--pid", program.pid)[-1]
        name = run_quiet(["xprop", "-id", window, "_NET_WM_NAME"]).stdout.strip()
        return name.endswith(f'= "{title}"') and window
    return wait_for(titled, 5, f"the newest window to be titled '{title}'")


def window_class(stage, program):
    """The class of the program's window is the one its desktop entry names."""
    found = run_quiet(["xprop", "-id", newest(program, NAME), "WM_CLASS"])
    wanted = found.stdout.split(", ")[-1].strip()[1:-1]
    expect(f"\nStartupWMClass={wanted}\n" in Path(stage.prefix, DESKTOP_ENTRY).read_text(),
           f"{found.stdout.strip()}: its class is not the entry's StartupWMClass")


def over_its_screen(program):
    """The newest window is a dialog of the other, for a window manager to centre it there."""
    screen, box = xdotool("search", "--onlyvisible", "--pid", program.pid)
    parent = run_quiet(["xprop", "-id", box, "WM_TRANSIENT_FOR"]).stdout.split("# ")[-1].strip()
    expect(parent == hex(int(screen)), f"the box is a dialog of {parent}, not of its screen")


def message(program, text, title):
    """The message box showing text, titled title for the window manager too."""
    box = find(program.app, what=f"the message '{text}'", test=lambda n: n.roleName in (
        "alert", "dialog") and n.findChild(lambda m: m.roleName == "label" and m.name == text,
                                           retry=False, requireResult=False))
    newest(program, title)
    expect(box.name == title, f"the message '{text}' is titled '{box.name}', not '{title}'")
    return box


def answer(program, caption, text, reply):
    """Presses caption, then reply in the question text that follows."""
    find(program.app, caption).click()
    find(message(program, text, QUESTION), reply).click()


def tab_to(program, wanted, *keys, title=NAME):
    """Focuses the newest window, as a window manager would (the X server runs
    none), once titled title; presses Tab until the focus is on `wanted` (a
    name, role or place), then keys."""
    xdotool("windowfocus", "--sync", newest(program, title))

    def focused():  # a container around the control may say it is focused too
        return (program.app.findChildren(lambda n: n.focused and n.focusable) or [None])[-1]
    for _ in range(40):
        node = focused()
        if node is not None and wanted in (node.name, node.roleName, node.extents):
            return [rawinput.pressKey(key) for key in keys]
        before = node and node.extents
        rawinput.pressKey("Tab")
        wait_for(lambda: getattr(focused(), "extents", before) != before, 2, "the focus to move")
    raise StageFailure(f"Tab never reached {wanted} in 40 presses")


def digital_time(app):
    return next((n.text for n in app.findChildren(lambda n: n.roleName == "text")
                 if re.fullmatch(r"\d+ : \d\d", n.text or "")), None)


def speed(app):
    return next((int(m[1]) for n in app.findChildren(lambda n: n.roleName == "label")
                 for m in [re.fullmatch(r"Velocità = (\d+)", n.name)] if m), None)


def solo_ore(app, column):
    """The menu's "Solo ore" of a column: 12-hour clicks, arrows, 24-hour ones."""
    buttons = wait_for(lambda: len(b := app.findChildren(lambda n: n.roleName == "push button" and
                                                         n.name.strip() == "Solo ore")) == 4 and b,
                       10, "the four 'Solo ore' buttons of the menu")
    return sorted(buttons, key=lambda n: n.position[0])[column]


# A control a person acts on needs a name in words and the keyboard's focus;
# what shows something needs a name, and so does a plain widget without
# children, which draws something. A designer's control name says nothing.
ACTING = {"push button", "check box", "combo box", "scroll bar", "slider", "toggle button",
          "radio button", "spin button"}
NAMED = ACTING | {"label", "image", "icon", "canvas", "drawing area"}
PLAIN = {"filler", "panel", "unknown", "redundant object"}
CODE_NAME = re.compile(r"^(Command|Label|Picture|Image|Text|Check|Combo|HScroll|vScroll|Form|"
                       r"frm|Bottone|Etichetta|Comando)\w*\d*$")


def audit(stage, app, screen):
    """Notes what the screen shows that a person could not name or reach, and
    takes its picture, screenshots/<screen>.png (the README shows some)."""
    for node in app.findChildren(lambda n: True):
        role, name = node.roleName, node.name.strip()
        words = re.search(r"\w", name + (node.description or ""))
        found = [problem for problem, fault in (
            ("has no accessible name", not name), ("has no name in words", name and not words),
            ("is named after its control", CODE_NAME.match(name))
        ) if fault and (role in NAMED or role in PLAIN and not node.childCount)]
        found += ["cannot take the keyboard focus"] * (role in ACTING and not node.focusable)
        stage.audit.setdefault(screen, set()).update(
            f"{screen}: {role} '{name}' at {node.extents} {problem}" for problem in found)
    stage.screenshot(screen)


def accessibility(stage):
    problems = sorted(p for screen in stage.audit.values() for p in screen)
    expect(not problems, "controls without a meaningful name or keyboard access:\n  " +
           "\n  ".join(problems))


def installed_files(stage):
    # By name: a shared prefix such as /usr holds other programs' entries.
    files = {DESKTOP_ENTRY: ["desktop-file-validate"],
             "share/metainfo/org.example.Ertavino.metainfo.xml":
                 ["appstreamcli", "validate", "--no-net"],
             "share/icons/hicolor/scalable/apps/org.example.Ertavino.svg": ["test", "-s"]}
    for name, test in files.items():
        result = run_quiet(test + [os.path.join(stage.prefix, name)], timeout=60)
        expect(result.returncode == 0, f"{' '.join(test)} {name}: {result.stdout}{result.stderr}")


def second_copy_refused(stage):
    first = launch(stage)
    find(first.app, "Avvio")
    second = launch(stage)
    refusal = message(second, "E' già stata avviata una copia di questo programma!", "Error")
    find(refusal, "OK").click()
    second.ended("the second copy to end after its message")
    find(first.app, "Avvio")
    expect(not dialogs(first.app), "the first copy shows a message")


def keyboard_alone(stage):
    """Tab, Space and arrow keys alone through every kind of screen."""
    program = launch(stage)
    app = program.app
    find(app, "Avvio")
    window_class(stage, program)
    audit(stage, app, "avvio")
    tab_to(program, "Avvio", "space")
    audit(stage, app, "menu")
    tab_to(program, solo_ore(app, 1).extents, "space")
    wait_for(lambda: digital_time(app) == "0 : 00", 10, "the arrow exercise's time '0 : 00'")
    audit(stage, app, "esercizio-frecce")
    tab_to(program, "scroll bar", "Right")
    wait_for(lambda: digital_time(app) == "1 : 00", 5, "the right arrow key to set 1 : 00")
    tab_to(program, "Esci", "space")
    message(program, BACK_TO_MENU, QUESTION)
    over_its_screen(program)
    tab_to(program, "Sì", "space", title=QUESTION)
    tab_to(program, "Imposta voce", "space")
    before = wait_for(lambda: speed(app), 10, "the caption 'Velocità = ...'")
    audit(stage, app, "imposta-voce")
    tab_to(program, "scroll bar", "Right")
    wait_for(lambda: speed(app) == before + 1, 5, f"the right arrow key to raise speed {before}")
    tab_to(program, "conferma", "space")
    find(app, "Imposta voce")
    saved(stage, settings_bytes(1, before + 1))


def bad_settings_file(stage):
    program = launch(stage, b"7\r\n")
    app = program.app
    box = message(program, "C'è stato un errore nel recuperare le configurazioni!", "Ertavino")
    find(box, "OK").click()
    find(app, "Avvio")


def voice_names(program):
    """The names in the voice list, top to bottom."""
    return [n.name for n in find(program.app, role="combo box").findChildren(
        lambda n: n.roleName == "list item", showingOnly=False)]


def open_voice_screen(program):
    """Opens "Imposta voce"; returns the names in its voice list."""
    find(program.app, "Imposta voce").click()
    return wait_for(lambda: voice_names(program), 10, "the voice list's voices")


def heard(recording, *spans):
    """Each ((t0, t1), loud) span of the recording was loud, or silent."""
    for (t0, t1), loud in spans:
        level, t = recording.loudest(t0, t1), recording.started_at
        expect(level > SPEAKING if loud else level < SILENT,
               f"{level:.4f} of full scale reached the sound server {t0 - t:.1f} to {t1 - t:.1f} s "
               f"into {recording.path}, where {'speech' if loud else 'silence'} was due")


def exercise_heard(stage, program, name, voice, player, stop=False, rate=None):
    """Opens the 12-hour "Solo ore" by clicks: its instruction and question
    are spoken by voice (as the speech log names it), played by player alone
    (the sound server's name for it, at rate if given) and reach the sound
    server; with stop, "Esci" then cuts them off."""
    recorder, mark = Recorder(stage, name), len(program.lines())
    entered = time.monotonic()
    solo_ore(program.app, 0).click()
    wait_for(lambda: INSTRUCTION in [s for _, s in program.log("speech", "speak", mark)][:-1], 10,
             f"the instruction '{INSTRUCTION}' and then the question to be spoken")
    by = [who for _, who in program.log("speech", "spoken by", mark)]
    expect(by and all(who == voice for who in by), f"spoken by {by}, not by {voice}")
    players = wait_for(lambda: player in speech_service.playing(stage) and
                       speech_service.playing(stage), 5, f"{player} to play")
    expect(players == [player], f"the sound server plays {players}, not {player} alone")
    if rate:
        rates = [s["rate"] for s in wait_for(lambda: ertavino_streams(stage, "a11y"), 5, "voice")]
        expect(rates == [str(rate)], f"the voice plays at {rates} Hz, not {rate} Hz")
    time.sleep(max(0.0, entered + SPEECH_SPAN - time.monotonic()))
    spans = [((entered, entered + SPEECH_SPAN), True)]
    if stop:
        answer(program, "Esci", BACK_TO_MENU, "Sì")
        spans.append(((time.monotonic() + 0.5, time.monotonic() + 2.5), False))
        time.sleep(2.5)
    heard(recorder.stop(), *spans)


def answered(stage, program):
    """A wrong dial target, then the right one: sounds from the data folder."""
    hour = int(wait_for(lambda: digital_time(program.app), 5, "the digital time").split(" : ")[0])
    dial = find(program.app, "12", "label").parent.findChildren(lambda n: n.roleName == "label")
    targets, folder = {n.name: n for n in dial}, os.path.join(stage.prefix, "share/ertavino/suoni/")
    for target, sound in ((hour % 12 + 1, "no"), (hour, "si[1-4]")):
        mark = len(program.lines())
        targets[str(target)].click()
        verb, path = wait_for(lambda: program.log("sound", "play|skip", mark), 5, sound)[0]
        expect(verb == "play" and re.fullmatch(re.escape(folder) + sound + r"\.wav", path),
               f"the answer {target} was met with {verb} {path}, not {folder}{sound}.wav played")


def speech_service_voices(stage):
    """The speech service not installed, hung, and running festival: the
    voice screen opens with no message, lists festival's voices after ours;
    ours speaks the exercise opened while the screen still speaks. Nothing
    waits for a service not installed; a voice of a hung one stays stored. A
    festival voice chosen is heard, cut, stored."""
    lists, slow = {}, settings_bytes(1, 70)  # the slowest speed: sentences long enough to cut
    for case in ("absent", "not answering", "running"):
        if case == "running":
            speech_service.start(stage)
        # A hung service's voice, past ours, is stored: nothing is selected.
        stored, by = (99, "preset voice") if case == "not answering" else (1, "Italiano")
        with speech_service.hung(stage) if case == "not answering" else contextlib.nullcontext():
            program = launch(stage, settings_bytes(stored, 70), menu=True)
            lists[case] = open_voice_screen(program)
            expect(not dialogs(program.app), f"a message is shown with the service {case}")
            waited = [line for line in program.lines() if "did not answer" in line]
            expect(case != "absent" or not waited, f"with no service installed: {waited}")
            find(program.app, "conferma").click()
            saved(stage, settings_bytes(stored, 70))
            exercise_heard(stage, program, "voce-incorporata-" + case.replace(" ", "-"),
                           "embedded espeak-ng, " + by, "ertavino", rate=22050)
            if case == "absent":
                answered(stage, program)
                audit(stage, program.app, "esercizio-clic")
            answer(program, "Esci", BACK_TO_MENU, "Sì")
            if case != "running":
                answer(program, "Esci", EXIT_PROGRAM, "Sì")
                program.ended(f"the program to end with the service {case}")
                saved(stage, settings_bytes(stored, 70))
                expect(case != "absent" or not os.path.exists(speech_service.socket_path(stage)),
                       "the program started a speech service that is not installed")
    embedded, wanted = lists["absent"], "lp_diphone (festival)"
    expect(all(n.startswith("Italiano") for n in embedded) and
           lists["not answering"] == embedded and
           lists["running"] == embedded + speech_service.FESTIVAL_VOICES,
           f"the voice lists end in { {case: names[-3:] for case, names in lists.items()} }: "
           f"the service's {speech_service.FESTIVAL_VOICES} belong after ours, only when it runs")

    number, mark = lists["running"].index(wanted) + 1, len(program.lines())
    open_voice_screen(program)
    tab_to(program, "combo box", "End", "Up")
    wait_for(lambda: ("voice", str(number)) in program.log("speech", "voice", mark), 5,
             f"voice {number}, the second to last, to be selected")
    find(program.app, "conferma").click()
    find(program.app, "Imposta voce")
    saved(stage, settings_bytes(number, 70))
    exercise_heard(stage, program, "voce-servizio-ferma", "speech-dispatcher, " + wanted,
                   "speech-dispatcher", stop=True)
    answer(program, "Esci", EXIT_PROGRAM, "Sì")
    program.ended("the program to end after 'Esci', 'Sì'")


def speech_heard(recorder):
    """The seconds of the recording so far from its first 50 ms block of
    speech to the end of its last; how long it has been silent since."""
    data = Path(recorder.path).read_bytes()[44:]  # past the header, as parecord writes it
    samples, step = array.array("h", data[:len(data) // 2 * 2]), Recorder.RATE // 20
    loud = [i for i in range(0, len(samples) - step, step)
            if math.sqrt(sum(s * s for s in samples[i:i + step]) / step) / 32768 > SPEAKING]
    return ((loud[-1] + step - loud[0]) / Recorder.RATE, (len(samples) - loud[-1] - step)
            / Recorder.RATE) if loud else (0.0, 0.0)


def speech_service_started(stage):
    """speech-dispatcher not running: "Imposta voce" starts it, festival's
    voices join the list in place; festival at speed 70 lasts longer than at
    200. frmRuota8 speaks its instruction before applying a stored festival
    voice: the instruction is heard whole in ours, then the question."""
    wanted = "lp_diphone (festival)"
    with speech_service.startable(stage):
        program = launch(stage, settings_bytes(1, 135), menu=True)
        embedded = open_voice_screen(program)
        names = wait_for(lambda: (n := voice_names(program)) != embedded and n, 30,
                         "festival's voices to join the list")
        expect(names == embedded + speech_service.FESTIVAL_VOICES, f"the voice list is {names}")
        number, mark = names.index(wanted) + 1, len(program.lines())
        tab_to(program, "combo box", "End", "Up")
        wait_for(lambda: ("voice", str(number)) in program.log("speech", "voice", mark), 5,
                 f"voice {number}, {wanted}, to be selected")
        lasted = {}
        for key, value in (("Home", 70), ("End", 200)):
            tab_to(program, "scroll bar", key)
            wait_for(lambda: speed(program.app) == value, 5, f"the speed {value}")
            wait_for(lambda: "ertavino" not in speech_service.playing(stage), 20, "ours to end")
            recorder = Recorder(stage, f"festival-{value}")
            find(program.app, test=lambda n: n.name == "Bocca che parla", what="the mouth").click()
            lasted[value] = wait_for(lambda: (h := speech_heard(recorder))[1] > 1 and h[0], 30,
                                     f"festival to say its sentence at speed {value}")
            recorder.stop()
        expect(lasted[70] > 1.5 * lasted[200], f"festival spoke {lasted[70]:.1f} s at speed 70, "
               f"{lasted[200]:.1f} s at speed 200")
        find(program.app, "conferma").click()
        answer(program, "Esci", EXIT_PROGRAM, "Sì")
        program.ended("the program to end after 'Esci', 'Sì'")

        program = launch(stage, settings_bytes(number, 135), menu=True)
        recorder, mark = Recorder(stage, "frmRuota8-festival"), len(program.lines())
        quarters = wait_for(lambda: program.app.findChildren(
            lambda n: n.roleName == "push button" and n.name == "il quarto d'ora"), 10,
            "the menu's 'il quarto d'ora'")
        min(quarters, key=lambda n: n.position[0]).click()  # 12 hours, arrows: frmRuota8
        ours = wait_for(lambda: "ertavino" in speech_service.playing(stage) and time.monotonic(),
                        10, "the instruction to be played")
        ended = wait_for(lambda: "ertavino" not in speech_service.playing(stage) and
                         time.monotonic(), 20, "the instruction to end")
        time.sleep(3)
        expect(ended - ours > 2, f"the instruction was played for {ended - ours:.1f} s only")
        by = [who for _, who in program.log("speech", "spoken by", mark)]
        expect(by == ["embedded espeak-ng, preset voice", "speech-dispatcher, " + wanted],
               f"spoken by {by}")
        heard(recorder.stop(), ((ours, ended), True), ((ended + 0.3, ended + 3), True))


def pico_first(stage):
    """SVOX Pico, fetched as the unit tests fetch it and named by the
    variables only tests set: a new user's first exercise speaks in its
    voice (voice 1) at 16 kHz, heard at the sound server, the mouth opening
    and shutting."""
    fetched = run_quiet(["bash", str(FETCH_PICO), stage.pico], timeout=300)
    expect(fetched.returncode == 0, f"fetching Pico failed: {fetched.stdout}{fetched.stderr}")
    program = launch(stage, menu=True, env={
        "ERTAVINO_PICO_LIBRERIA": glob.glob(f"{stage.pico}/usr/lib/*/libttspico.so.0")[0],
        "ERTAVINO_PICO_LINGUE": f"{stage.pico}/usr/share/pico/lang"})
    mark = len(program.lines())
    exercise_heard(stage, program, "pico", "embedded Pico, Italiano naturale (Pico)", "ertavino", rate=16000)
    mouth = [state for _, state in program.log("speech", "mouth", mark)]
    opened = mouth.index("open") if "open" in mouth else len(mouth)
    expect("shut" in mouth[opened:], f"the mouth went {mouth}, not open and then shut")
    answer(program, "Esci", BACK_TO_MENU, "Sì")
    answer(program, "Esci", EXIT_PROGRAM, "Sì")
    program.ended("the program to end after 'Esci', 'Sì'")
    saved(stage, settings_bytes(1, 135))


def ertavino_streams(stage, role=None):
    """The properties and the sample rate ("rate") of each stream the
    program plays at the sound server (in that media role)."""
    listing = run_quiet(["pactl", "list", "sink-inputs"], stage.processes.env).stdout
    return [dict(re.findall(r'^\s*([\w.]+) = "([^"]*)"$', block, re.M),
                 rate=re.search(r"Sample Spec\w*: \S+ \S+ (\d+)Hz", block)[1])
            for block in listing.split("Sink Input #")[1:]
            if 'application.process.binary = "ertavino"' in block and
            (not role or f'media.role = "{role}"' in block)]


def mixer_names_the_program(stage):
    """The streams that speak and that sound an answer are named Ertavino,
    with the program's icon and a role the mixer can tell apart."""
    program = launch(stage, menu=True)
    solo_ore(program.app, 0).click()
    named = {"application.name": "Ertavino", "application.icon_name": "org.example.Ertavino"}
    for role, what in (("a11y", "the speech"), ("event", "the wrong answer's sound")):
        if role == "event":
            hour = int(wait_for(lambda: digital_time(program.app), 5, "the time").split(" : ")[0])
            dial = find(program.app, "12", "label").parent.findChildren(
                lambda n: n.roleName == "label" and n.name == str(hour % 12 + 1))
            dial[0].click()
        streams = wait_for(lambda: ertavino_streams(stage, role), 10, f"{what}'s stream")
        expect(all(named.items() <= s.items() for s in streams),
               f"{what} plays as {[{k: s.get(k) for k in named} for s in streams]}, not {named}")
    answer(program, "Esci", BACK_TO_MENU, "Sì")
    answer(program, "Esci", EXIT_PROGRAM, "Sì")
    program.ended("the program to end after 'Esci', 'Sì'")


# In this order; each is named after its function, as --only finds it.
ALL = [installed_files, second_copy_refused, keyboard_alone, bad_settings_file,
       speech_service_voices, speech_service_started, pico_first, accessibility,
       mixer_names_the_program]
