"""The stage's Wayland part: the program on weston's headless compositor."""

import re
from pathlib import Path

from checks import DESKTOP_ENTRY, NAME, QUESTION, find, launch, solo_ore
from harness import expect, wait_for

SOCKET, WIDTH, HEIGHT = "wayland-e2e", 1024, 768


def screens_on_weston(stage):
    """Screens maximised within the output, titled "Ertavino", the desktop entry's name as app
    id; the menu's "Esci" on the display; questions dialogs of their screen; nothing printed."""
    stage.processes.start("weston", [
        "weston", "--backend=headless-backend.so", "--use-pixman", f"--socket={SOCKET}",
        f"--width={WIDTH}", f"--height={HEIGHT}", "--idle-time=0", "--no-config"])
    wait_for(lambda: Path(stage.runtime, SOCKET).exists(), 15, "weston's socket")
    program = launch(stage, env={"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": SOCKET,
                                 "WAYLAND_DEBUG": "client"})
    app = program.app
    for control, then in (("Avvio", "Imposta voce"), ("Imposta voce", "conferma"),
                          ("conferma", "Imposta voce"), (0, "riascolta"), ("Esci", "Sì"),
                          ("Sì", "Imposta voce"), ("Esci", "Sì"), ("Sì", None)):
        if then == "conferma":  # on the menu: "Esci" wholly inside its window
            x, y, w, h = find(app, NAME, "filler").extents
            a, b, c, d = find(app, "Esci").extents
            expect(x <= a and y <= b and a + c <= x + w and b + d <= y + h,
                   f"the menu's 'Esci' at {(a, b, c, d)} is outside its window {(x, y, w, h)}")
        # A pointer click would reach the X server only.
        (find(app, control) if control else solo_ore(app, 0)).doActionNamed("Press")
        if then:
            find(app, then)
    program.ended("the program to end after 'Esci', 'Sì'")

    # What it asked of the compositor (WAYLAND_DEBUG): windows within the output;
    # each window in order, its name and the last arguments of each request to it.
    log, app_id = "\n".join(program.lines()), Path(DESKTOP_ENTRY).stem
    sizes = re.findall(r"set_window_geometry\(\d+, \d+, (\d+), (\d+)\)", log)
    expect(sizes and all(int(w) <= WIDTH and int(h) <= HEIGHT for w, h in sizes),
           f"window sizes {sizes} on a {WIDTH}x{HEIGHT} output")
    opened = [dict(re.findall(rf"^\[[ \d.]+\] +-> {name}\.(\w+)\((.*)\)$", rest, re.M), name=name)
              for rest in log.split(".get_toplevel(new id ")[1:] for name in [rest.split(")")[0]]]
    seen = [(w.get("set_title", "").strip('"'), w.get("set_app_id", "").strip('"'),
             "set_maximized" in w, w.get("set_parent") == before.get("name", ""))
            for w, before in zip(opened, [{}] + opened)]
    screen, question = (NAME, app_id, True, False), (QUESTION, app_id, False, True)
    expect(seen == [screen] * 5 + [question, screen, question],
           f"the windows (title, app id, maximised, dialog of the one before) are {seen}")
    said = [line for line in program.lines() if not line.startswith(("[", "ertavino."))]
    expect(not said, "the program printed on Wayland:\n  " + "\n  ".join(said[:5]))


ALL = [screens_on_weston]
