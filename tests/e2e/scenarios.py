"""The checks of the end-to-end stage, in the order they run. Each starts
the installed program afresh and drives it through the accessibility
interface and real pointer clicks; what it leaves running is ended by the
stage."""

import contextlib
import os
import re
import subprocess
import time

import pyatspi

import speech_service
import ui
from audio import SILENT, SPEAKING, Recording
from sentences import (ARROW_PROMPT, BACK_TO_MENU, BAD_SETTINGS, CLICK_INSTRUCTION,
                       EXERCISE_ROWS, EXIT_PROGRAM, QUESTION_TITLE, SECOND_COPY,
                       settings_bytes, whole_hour)
from services import SOUND, StageFailure, wait_for
from accessibility import audit_screen, report

BUTTON, LABEL, TEXT = pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT
QUIET_SPAN = 1.5   # seconds recorded in the silent menu
SPEECH_SPAN = 1.5  # seconds after an exercise opens, before any answer, when only speech plays


def expect(condition, message):
    if not condition:
        raise StageFailure(message)


def launch(stage, settings=None):
    """Starts the program; settings: None removes the settings file, bytes
    write them as the file."""
    os.makedirs(stage.settings_folder, exist_ok=True)
    if settings is None:
        if os.path.exists(stage.settings_file):
            os.remove(stage.settings_file)
    else:
        with open(stage.settings_file, "wb") as f:
            f.write(settings)
    program = stage.start_program()
    return program, ui.App(program)


def open_menu(app):
    ui.click(app.button("Avvio", timeout=20))
    app.button("Imposta voce")
    app.wait_gone(BUTTON, "Avvio", what="the start screen to go away")


def answer(app, message, reply):
    """Waits for the message box showing `message` and presses `reply`."""
    box = app.dialog(message)
    buttons = ui.inside(box, BUTTON, reply)
    expect(buttons, f"the message '{message}' has no button '{reply}' "
                    f"(buttons: {[ui.name(b) for b in ui.inside(box, BUTTON)]})")
    title = ui.name(box)
    shown = ui.window_titles(app.program.pid)
    expect(title in shown, f"the message '{message}' is titled '{title}', but the window manager "
                           f"reads the program's windows as {shown}")
    ui.click(buttons[0])
    return title


def exercise_button(app, row, column):
    """Menu button of row 0..4, column 0..3: 12-hour click, 12-hour arrows,
    24-hour click, 24-hour arrows."""
    captions = {c.strip() for c in EXERCISE_ROWS[row]}
    buttons = [b for b in app.visible(BUTTON) if ui.name(b).strip() in captions]
    expect(len(buttons) == 4, f"the menu shows {len(buttons)} buttons for {sorted(captions)}, not 4")
    buttons.sort(key=lambda b: ui.extents(b)[0])
    return buttons[column]


def counter(app, heading):
    """The number shown beside the heading "Esatti" or "Errati"."""
    head = app.label(heading)
    hx, hy, hw, hh = ui.extents(head)
    best = None
    for node in app.visible(LABEL):
        x, y, w, h = ui.extents(node)
        if x >= hx + hw - 2 and abs((y + h / 2) - (hy + hh / 2)) < max(h, hh) and \
                re.fullmatch(r"-?\d+", ui.name(node)):
            if best is None or x < ui.extents(best)[0]:
                best = node
    expect(best is not None, f"no number is shown beside '{heading}'")
    return ui.name(best)


def wait_counts(app, right, wrong, timeout=10):
    wait_for(lambda: counter(app, "Esatti") == str(right) and counter(app, "Errati") == str(wrong),
             timeout, f"the counters to show Esatti {right}, Errati {wrong}")


def digital_time(app):
    texts = [ui.text(t) for t in app.visible(TEXT)]
    return next((t for t in texts if re.fullmatch(r"\d+ : \d\d", t)), None)


def enabled(node):
    return ui.has_state(node, pyatspi.STATE_ENABLED) and ui.has_state(node, pyatspi.STATE_SENSITIVE)


def question_after(program, since, instruction):
    """The instruction, then the question: the first sentence spoken after
    the instruction, once both were said."""
    def spoken():
        said = [s for _t, s in program.spoken(since)]
        if instruction in said and said.index(instruction) + 1 < len(said):
            return said[said.index(instruction) + 1]
        return None
    return wait_for(spoken, 10, f"the instruction '{instruction}' and then the question to be spoken")


def sounds_played(program, since, pattern, prefix):
    """Waits for the sound log to show a file matching pattern played from
    the installed data folder."""
    folder = os.path.join(prefix, "share", "ertavino", "suoni") + os.sep

    def played():
        for _t, (verb, path) in program.log(SOUND, since):
            if re.search(pattern, path):
                return (verb, path)
        return None
    verb, path = wait_for(played, 5, f"a sound {pattern} to be played")
    expect(verb == "play" and path.startswith(folder),
           f"the sound was not played from the installed {folder}: {verb} {path}")


def let_speak(entered):
    """Waits until the exercise opened at `entered` has spoken for
    SPEECH_SPAN seconds with no answer given, so that what the recording
    holds of that span is speech alone."""
    end = entered + SPEECH_SPAN
    wait_for(lambda: time.monotonic() >= end, SPEECH_SPAN + 1, "the speech span to pass")
    return (entered, end)


def check_recording(recorder, quiet, speaking):
    """The span quiet was silent and the span speaking was not."""
    rec = Recording(recorder.stop(), recorder.stopped_at)
    q0, q1 = quiet[0] + 0.2, quiet[1] - 0.2
    expect(rec.covers(q0, q1), "the recording does not reach back to the silent span")
    level = rec.loudest(q0, q1)
    expect(level < SILENT, f"the sound server carried sound ({level:.4f} of full scale) "
                           "while nothing played")
    level = rec.loudest(*speaking)
    expect(level > SPEAKING, f"no sound reached the sound server while the exercise spoke "
                             f"(loudest {level:.4f} of full scale)")


def check_install(stage):
    share = os.path.join(stage.prefix, "share")
    expected = [os.path.join(stage.prefix, "bin", "ertavino")] + \
        [os.path.join(share, "ertavino", "suoni", f) for f in
         ("si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav")]
    for path in expected:
        expect(os.path.isfile(path), f"{path} was not installed")
    expect(os.access(expected[0], os.X_OK), "bin/ertavino is not executable")
    # By name: a shared prefix such as /usr holds other programs' entries.
    for folder, name, validator in (
            ("applications", "org.example.Ertavino.desktop", ["desktop-file-validate"]),
            ("metainfo", "org.example.Ertavino.metainfo.xml",
             ["appstreamcli", "validate", "--no-net"]),
            ("icons/hicolor/scalable/apps", "org.example.Ertavino.svg", None)):
        path = os.path.join(share, folder, name)
        expect(os.path.isfile(path), f"{name} was not installed in share/{folder}")
        if validator:
            result = subprocess.run(validator + [path], capture_output=True, text=True, timeout=60)
            expect(result.returncode == 0, f"{' '.join(validator)} {name}: "
                                           f"{(result.stdout + result.stderr).strip()}")


def fonts(stage):
    """The faces the screens ask for resolve to their metric-compatible
    substitutes, not to whatever face fontconfig falls back on."""
    for asked, wanted in (("Arial", "Liberation Sans"), ("Arial:bold", "Liberation Sans"),
                          ("Comic Sans MS", "Comic Neue"), ("Comic Sans MS:bold", "Comic Neue")):
        result = subprocess.run(["fc-match", "-f", "%{family}", asked], capture_output=True,
                                text=True, timeout=30)
        families = result.stdout.split(",")
        expect(wanted in families, f"'{asked}' is drawn in '{result.stdout}', not '{wanted}'")


def second_copy_refused(stage):
    first, first_app = launch(stage)
    first_app.button("Avvio", timeout=20)
    second, second_app = stage.start_program(), None
    second_app = ui.App(second)
    title = answer(second_app, SECOND_COPY, "OK")
    expect(title == "Error", f"the refusal is titled '{title}', not 'Error'")
    status = second.wait_exit(10, "the second copy to end after its message")
    expect(status == 0, f"the second copy ended with status {status}")
    expect(first.running(), "the first copy ended when the second was refused")
    first_app.button("Avvio")  # the first copy still shows its start screen, untouched
    expect(not first_app.dialogs(), "the first copy shows a message")


def start_screen_and_menu(stage):
    program, app = launch(stage)
    app.label("Ertavino", timeout=20)
    app.button("Avvio")
    # No caption of its own: the window manager shows the program's name alone.
    titles = ui.window_titles(program.pid)
    expect(titles == ["ertavino"], f"the start screen's window is titled {titles}")
    audit_screen(stage, app, "start screen")
    stage.screenshot("avvio")
    open_menu(app)
    for caption in ("dodici ore", "ventiquattro ore"):
        app.label(caption)
    for caption in ("Imposta voce", "Informazioni", "Esci"):
        app.button(caption)
    app.wait(pyatspi.ROLE_CHECK_BOX, "Suoni attivati")
    shown = sorted(ui.name(b) for b in app.visible(BUTTON)
                   if ui.name(b) not in ("Imposta voce", "Informazioni", "Esci"))
    wanted = sorted(c for row in EXERCISE_ROWS for c in row for _group in (12, 24))
    expect(shown == wanted, f"the menu's exercise buttons are {shown}, expected {wanted}")
    audit_screen(stage, app, "menu")
    stage.screenshot("menu")


def exercise_by_clicking(stage):
    program, app = launch(stage)
    open_menu(app)
    recorder = stage.recorder("esercizio-clic").start()
    quiet = (time.monotonic(), time.monotonic() + QUIET_SPAN)
    wait_for(lambda: time.monotonic() >= quiet[1], QUIET_SPAN + 1, "the silent span")
    entered = time.monotonic()
    ui.click(exercise_button(app, 0, 0))  # whole hours, 12-hour, click
    shown = wait_for(lambda: digital_time(app), 10, "the digital time on the exercise screen")
    hour = int(shown.split(" : ")[0])
    question = question_after(program, entered, CLICK_INSTRUCTION)
    expect(whole_hour(question, 12) == hour,
           f"the spoken question '{question}' does not name the time shown, {shown}")
    wait_counts(app, 0, 0)
    expect(not enabled(app.button("avanti")), "'avanti' is enabled before any answer")
    audit_screen(stage, app, "exercise, click")
    stage.screenshot("esercizio-clic-domanda")
    speaking = let_speak(entered)

    dial = [n for n in app.visible(LABEL, "12")]
    expect(len(dial) == 1, f"{len(dial)} targets show '12' on the dial, expected 1")
    targets = {ui.name(n): n for n in ui.inside(ui.parent(dial[0]), LABEL)}
    wrong = hour % 12 + 1
    clicked = time.monotonic()
    ui.click(targets[str(wrong)])
    wait_counts(app, 0, 1)
    sounds_played(program, clicked, r"(^|/)no\.wav$", stage.prefix)
    expect(not enabled(app.button("avanti")), "'avanti' is enabled after a wrong answer")
    clicked = time.monotonic()
    ui.click(targets[str(hour)])
    wait_counts(app, 1, 1)
    sounds_played(program, clicked, r"(^|/)si[1-4]\.wav$", stage.prefix)
    wait_for(lambda: enabled(app.button("avanti")), 5, "'avanti' to be enabled after the right answer")
    stage.screenshot("esercizio-clic")
    check_recording(recorder, quiet, speaking)


def exercise_with_arrows(stage):
    program, app = launch(stage)
    open_menu(app)
    recorder = stage.recorder("esercizio-frecce").start()
    quiet = (time.monotonic(), time.monotonic() + QUIET_SPAN)
    wait_for(lambda: time.monotonic() >= quiet[1], QUIET_SPAN + 1, "the silent span")
    entered = time.monotonic()
    ui.click(exercise_button(app, 0, 3))  # whole hours, 24-hour, arrows
    question = question_after(program, entered, ARROW_PROMPT)
    hour = whole_hour(question, 24)
    expect(hour is not None, f"'{question}' is not a whole-hour question")
    wait_counts(app, 0, 0)
    bars = app.visible(pyatspi.ROLE_SCROLL_BAR)
    expect(len(bars) == 1, f"the whole-hour arrow screen shows {len(bars)} arrow bars, not 1")
    bar = bars[0]
    wait_for(lambda: digital_time(app) == "0 : 00", 5, "the digital time '0 : 00' of a fresh screen")
    audit_screen(stage, app, "exercise, arrows")
    speaking = let_speak(entered)

    setting = 0

    def step(direction):
        nonlocal setting
        x, y, w, h = ui.extents(bar)
        ui.click(bar, dx=(w - 5 if direction > 0 else 4), dy=h // 2)
        setting = (setting + direction - 1) % 24 + 1
        wait_for(lambda: digital_time(app) == f"{setting} : 00", 5,
                 f"the arrow bar to set {setting} : 00 (shows {digital_time(app)})")

    # First a wrong setting, one step away from the answer.
    step(+1 if hour != 1 else -1)
    ui.click(app.button("Conferma"))
    wait_counts(app, 0, 1)
    right_steps = (hour - setting) % 24
    for _ in range(min(right_steps, 24 - right_steps)):
        step(+1 if right_steps <= 12 else -1)
    expect(int(ui.value(bar)) == hour, f"the bar holds {ui.value(bar)}, the time shown is {hour}")
    conferma = app.button("Conferma")
    ui.click(conferma)
    wait_counts(app, 1, 1)
    wait_for(lambda: enabled(app.button("avanti")) and not enabled(conferma), 5,
             "'avanti' enabled and 'Conferma' disabled after the right answer")
    stage.screenshot("esercizio-frecce")
    check_recording(recorder, quiet, speaking)


def speed_value(app):
    labels = [ui.name(n) for n in app.visible(LABEL)]
    found = [int(m.group(1)) for s in labels for m in [re.fullmatch(r"Velocità = (\d+)", s)] if m]
    return found[0] if found else None


def change_speed(stage, app):
    """Opens the voice settings from the menu, moves the speed one step
    right and confirms; returns the new speed."""
    ui.click(app.button("Imposta voce"))
    before = wait_for(lambda: speed_value(app), 10, "the caption 'Velocità = ...'")
    bars = app.visible(pyatspi.ROLE_SCROLL_BAR)
    expect(len(bars) == 1, f"the voice settings show {len(bars)} bars, not 1")
    audit_screen(stage, app, "voice settings")
    stage.screenshot("imposta-voce")
    x, y, w, h = ui.extents(bars[0])
    ui.click(bars[0], dx=w - 5, dy=h // 2)
    after = wait_for(lambda: (speed_value(app) or before) != before and speed_value(app), 5,
                     "the speed caption to change")
    expect(after > before, f"the right arrow lowered the speed from {before} to {after}")
    expect(int(ui.value(bars[0])) == after, f"the bar holds {ui.value(bars[0])}, the caption {after}")
    ui.click(app.button("conferma"))
    app.button("Imposta voce")
    return after


def settings_content(stage):
    with open(stage.settings_file, "rb") as f:
        return f.read()


def back_to_menu_and_save(stage):
    program, app = launch(stage)
    open_menu(app)
    ui.click(exercise_button(app, 0, 0))
    wait_for(lambda: digital_time(app), 10, "the exercise screen")
    title = answer_after_click(app, "Esci", BACK_TO_MENU, "Sì")
    expect(title == QUESTION_TITLE, f"the question is titled '{title}', not '{QUESTION_TITLE}'")
    app.button("Imposta voce")
    wait_for(lambda: not digital_time(app), 5, "the exercise screen to go away")
    speed = change_speed(stage, app)
    expect(settings_content(stage) == settings_bytes(1, speed),
           f"the settings file holds {settings_content(stage)!r}, "
           f"expected {settings_bytes(1, speed)!r}")
    answer_after_click(app, "Esci", EXIT_PROGRAM, "Sì")
    status = program.wait_exit(10, "the program to end after 'Esci', 'Sì'")
    expect(status == 0, f"the program ended with status {status}")
    expect(settings_content(stage) == settings_bytes(1, speed),
           f"after the exit the settings file holds {settings_content(stage)!r}")
    expect(os.path.isfile(os.path.join(stage.settings_folder, "leggimi.txt")),
           "the settings folder has no leggimi.txt")


def answer_after_click(app, caption, message, reply):
    ui.click(app.button(caption))
    return answer(app, message, reply)


def bad_settings_file(stage):
    program, app = launch(stage, settings=b"7\r\n")
    app.dialog(BAD_SETTINGS, timeout=20)
    expect(not os.path.exists(stage.settings_file), "the bad settings file is still there")
    title = answer(app, BAD_SETTINGS, "OK")
    expect(title == "Ertavino", f"the message is titled '{title}', not 'Ertavino'")
    app.button("Avvio", timeout=20)
    expect(not app.dialogs(), "a message is still shown after the first was closed")
    open_menu(app)
    expect(not app.dialogs(), "a second message appeared")
    ui.click(app.button("Imposta voce"))
    speed = wait_for(lambda: speed_value(app), 10, "the caption 'Velocità = ...'")
    expect(speed == 135, f"the speed shown is {speed}, not the default 135")
    ui.click(app.button("conferma"))
    app.button("Imposta voce")
    expect(settings_content(stage) == settings_bytes(1, 135),
           f"the saved defaults read {settings_content(stage)!r}")
    answer_after_click(app, "Esci", EXIT_PROGRAM, "Sì")
    program.wait_exit(10, "the program to end after 'Esci', 'Sì'")


def accessibility(stage):
    problems = report(stage)
    expect(not problems, "controls without a meaningful name or keyboard access:\n  " +
           "\n  ".join(problems))



def focused(app):
    """The control with the keyboard focus (a container around it may say
    it is focused too)."""
    nodes = [n for n in app.visible() if ui.has_state(n, pyatspi.STATE_FOCUSED)
             and ui.has_state(n, pyatspi.STATE_FOCUSABLE)]
    return nodes[-1] if nodes else None


def tab_to(app, wanted, what, presses=40):
    """Presses Tab until the focused control is one wanted(node) accepts."""
    for _ in range(presses):
        node = focused(app)
        if node is not None and wanted(node):
            return node
        before = ui.extents(node) if node is not None else None
        ui.key("Tab")
        wait_for(lambda: focused(app) is not None and ui.extents(focused(app)) != before, 2,
                 "the focus to move on Tab")
    raise StageFailure(f"Tab never reached {what} in {presses} presses")


def keyboard_alone(stage):
    program, app = launch(stage)
    app.button("Avvio", timeout=20)
    ui.focus_window(program.pid)
    tab_to(app, lambda n: ui.name(n) == "Avvio", "'Avvio'")
    ui.key("space")
    app.button("Imposta voce")
    ui.focus_window(program.pid)
    target = ui.extents(exercise_button(app, 0, 1))  # whole hours, 12-hour, arrows
    tab_to(app, lambda n: ui.extents(n) == target, "the 12-hour 'Solo ore' arrow button")
    ui.key("space")
    wait_for(lambda: digital_time(app) == "0 : 00", 10, "the digital time '0 : 00'")
    ui.focus_window(program.pid)
    tab_to(app, lambda n: ui.role(n) == pyatspi.ROLE_SCROLL_BAR, "the arrow bar")
    ui.key("Right")
    wait_for(lambda: digital_time(app) == "1 : 00", 5, "the right arrow key to set 1 : 00")
    ui.key("Left")
    wait_for(lambda: digital_time(app) == "12 : 00", 5, "the left arrow key to wrap 1 : 00 to 12 : 00")
    tab_to(app, lambda n: ui.name(n) == "Esci", "'Esci'")
    ui.key("space")
    app.dialog(BACK_TO_MENU)
    ui.focus_window(program.pid, QUESTION_TITLE)
    tab_to(app, lambda n: ui.name(n) == "Sì", "'Sì'")
    ui.key("space")
    app.button("Imposta voce")
    expect(not digital_time(app), "the exercise is still shown after 'Esci', 'Sì'")
    # The voice settings: the speed moves with the arrow keys and is saved.
    ui.focus_window(program.pid)
    tab_to(app, lambda n: ui.name(n) == "Imposta voce", "'Imposta voce'")
    ui.key("space")
    before = wait_for(lambda: speed_value(app), 10, "the caption 'Velocità = ...'")
    ui.focus_window(program.pid)
    tab_to(app, lambda n: ui.role(n) == pyatspi.ROLE_SCROLL_BAR, "the speed bar")
    ui.key("Right")
    wait_for(lambda: speed_value(app) == before + 1, 5,
             f"the right arrow key to raise the speed from {before} to {before + 1}")
    tab_to(app, lambda n: ui.name(n) == "conferma", "'conferma'")
    ui.key("space")
    app.button("Imposta voce")
    expect(settings_content(stage) == settings_bytes(1, before + 1),
           f"the settings file holds {settings_content(stage)!r} after the keyboard's change")


# The voices of the desktop's speech service beside the embedded ones.
SPOKEN_BY = re.compile(r"^ertavino\.speech: spoken by: (.*)$")
VOICE = re.compile(r"^ertavino\.speech: voice: (\d+)$")


def voice_list(app):
    """The names in the voice list of "Imposta voce", top to bottom."""
    combos = app.visible(pyatspi.ROLE_COMBO_BOX)
    return combos and [ui.name(n) for n in ui.walk(combos[0]) if ui.role(n) == pyatspi.ROLE_LIST_ITEM]


def open_voice_screen(app):
    ui.click(app.button("Imposta voce"))
    return wait_for(lambda: voice_list(app), 10, "the voice list of 'Imposta voce'")


def recorded(recorder, *spans):
    """Each (span, loud) of the recording was loud, or silent."""
    rec = Recording(recorder.stop(), recorder.stopped_at)
    for (t0, t1), loud in spans:
        level = rec.loudest(t0, t1)
        expect(level > SPEAKING if loud else level < SILENT,
               f"{level:.4f} of full scale reached the sound server from {t0 - rec.started_at:.1f} "
               f"to {t1 - rec.started_at:.1f} s into the recording, where "
               f"{'speech' if loud else 'silence'} was expected")


def exercise_heard(stage, program, app, name, voice, player):
    """Opens "Solo ore" (12-hour, clicks): its sentences are spoken by
    `voice` (as the speech log names it), played by `player` alone (the
    sound server's name for it) and reach the sound server."""
    recorder = stage.recorder(name).start()
    entered = time.monotonic()
    ui.click(exercise_button(app, 0, 0))
    question_after(program, entered, CLICK_INSTRUCTION)
    by = [who for _t, (who,) in program.log(SPOKEN_BY, entered)]
    expect(by and all(who == voice for who in by), f"spoken by {by}, not by {voice}")
    players = wait_for(lambda: player in speech_service.playing(stage) and
                       speech_service.playing(stage), 5, f"{player} to play")
    expect(players == [player], f"the sound server plays {players}, not {player} alone")
    recorded(recorder, (let_speak(entered), True))


def voice_lists_with_and_without_the_service(stage):
    """Without a service, with one that never answers and with festival's
    voices behind one: the list opens at once, no message is shown, the
    embedded voice speaks the exercises, the program ends when asked."""
    lists = {}
    for case in ("absent", "not answering", "running"):
        if case == "running":
            speech_service.start(stage)
        with speech_service.hung(stage) if case == "not answering" else contextlib.nullcontext():
            program, app = launch(stage)
            open_menu(app)
            lists[case] = open_voice_screen(app)
            expect(not app.dialogs(), f"a message is shown with the service {case}")
            # Left while its invitation still sounds: the exercise that follows
            # is heard all the same.
            ui.click(app.button("conferma"))
            exercise_heard(stage, program, app, "voce-incorporata-" + case.replace(" ", "-"),
                           "embedded espeak-ng, Italiano", "ertavino")
            answer_after_click(app, "Esci", BACK_TO_MENU, "Sì")
            answer_after_click(app, "Esci", EXIT_PROGRAM, "Sì")
            status = program.wait_exit(10, f"the program to end with the service {case}")
            expect(status == 0, f"the program ended with status {status}")
            expect(case != "absent" or not os.path.exists(speech_service.socket_path(stage)),
                   "the program started a speech service")
    embedded = lists["absent"]
    expect(embedded and all(n.startswith("Italiano") for n in embedded),
           f"the list without the service is {embedded}")
    expect(lists["not answering"] == embedded,
           f"with a service that never answers the list is {lists['not answering']}")
    expect(lists["running"] == embedded + speech_service.FESTIVAL_VOICES,
           f"with the service the list has {len(lists['running'])} voices, ending in "
           f"{lists['running'][len(embedded) - 1:]}, not the {len(embedded)} embedded voices "
           f"and then {speech_service.FESTIVAL_VOICES}")


def speech_service_voice(stage):
    """A festival voice chosen on "Imposta voce" is heard, cut by a stop,
    stored by "conferma" and speaks the exercises of the next start."""
    speech_service.start(stage)
    # The slowest speed makes a sentence long enough to be cut.
    program, app = launch(stage, settings=settings_bytes(1, 70))
    open_menu(app)
    names = open_voice_screen(app)
    wanted = "lp_diphone (festival)"
    number = names.index(wanted) + 1 if wanted in names else None
    expect(number, f"the voice list has no '{wanted}' (it ends in {names[-3:]})")
    ui.focus_window(program.pid)
    tab_to(app, lambda n: ui.role(n) == pyatspi.ROLE_COMBO_BOX, "the voice list")
    chosen = time.monotonic()
    ui.key("End", "Up")  # the second to last voice
    wait_for(lambda: (str(number),) in [g for _t, g in program.log(VOICE, chosen)], 5,
             f"voice {number} to be selected")
    ui.click(app.button("conferma"))
    app.button("Imposta voce")
    expect(settings_content(stage) == settings_bytes(number, 70),
           f"the settings file holds {settings_content(stage)!r}, expected voice {number}")

    recorder = stage.recorder("voce-servizio-ferma").start()
    entered = time.monotonic()
    ui.click(exercise_button(app, 0, 0))
    wait_for(lambda: program.log(SPOKEN_BY, entered), 10, "a sentence to be spoken")
    wait_for(lambda: time.monotonic() > entered + 2, 3, "two seconds of speech")
    answer_after_click(app, "Esci", BACK_TO_MENU, "Sì")
    stopped = time.monotonic()
    app.button("Imposta voce")
    wait_for(lambda: time.monotonic() > stopped + 2.5, 4, "the span after the stop")
    recorded(recorder, ((entered + 0.5, entered + 2), True), ((stopped + 0.5, stopped + 2.5), False))
    answer_after_click(app, "Esci", EXIT_PROGRAM, "Sì")
    program.wait_exit(10, "the program to end after 'Esci', 'Sì'")

    program, app = launch(stage, settings=settings_bytes(number, 70))
    open_menu(app)
    exercise_heard(stage, program, app, "voce-servizio-avvio", "speech-dispatcher, " + wanted,
                   "speech-dispatcher")


ALL = [
    ("installed files", check_install),
    ("fonts", fonts),
    ("second copy refused", second_copy_refused),
    ("start screen and menu", start_screen_and_menu),
    ("exercise answered by clicking the dial", exercise_by_clicking),
    ("exercise answered with the arrows", exercise_with_arrows),
    ("back to the menu, speed saved, exit", back_to_menu_and_save),
    ("bad settings file", bad_settings_file),
    ("keyboard alone", keyboard_alone),
    ("accessibility of every screen seen", accessibility),
    ("voice lists with and without the speech service", voice_lists_with_and_without_the_service),
    ("a voice of the speech service", speech_service_voice),
]
