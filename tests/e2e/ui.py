"""Seeing and touching the program as a person does: through the
accessibility interface for what is shown, and real pointer clicks and key
presses (xdotool) at the places it shows."""

import re
import subprocess

import pyatspi
from gi.repository import Atspi

from services import StageFailure, wait_for

ROLE_BUTTON = pyatspi.ROLE_PUSH_BUTTON


def _children(acc):
    try:
        count = acc.childCount
    except Exception:
        return []
    result = []
    for i in range(count):
        try:
            child = acc.getChildAtIndex(i)
        except Exception:
            child = None
        if child is not None:
            result.append(child)
    return result


def walk(acc):
    """acc and all its descendants, depth first."""
    stack = [acc]
    while stack:
        node = stack.pop()
        yield node
        stack.extend(reversed(_children(node)))


def parent(acc):
    return acc.parent


def role(acc):
    return acc.getRole()


def name(acc):
    return acc.name or ""


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def has_state(acc, state):
    return acc.getState().contains(state)


def extents(acc):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def text(acc):
    """What a text field shows, or the name of anything else."""
    try:
        t = acc.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return name(acc)


def value(acc):
    return acc.queryValue().currentValue


def describe(acc):
    return f"{acc.getRoleName()} '{name(acc)}'"


class App:
    """The accessible application of one running program, found by its
    application name and its process id (two copies may run at once)."""

    def __init__(self, program, timeout=20):
        self.program = program

        def find():
            if not program.running():
                raise StageFailure(f"the program ended early with status {program.proc.returncode}")
            desktop = pyatspi.Registry.getDesktop(0)
            for app in _children(desktop):
                if app.name == "ertavino" and app.get_process_id() == program.pid:
                    return app
            return None

        self.acc = wait_for(find, timeout, "the program to show itself on the accessibility bus")
        # Names and states change with every click; never answer from a cache.
        self.acc.set_cache_mask(Atspi.Cache.NONE)

    def visible(self, role_=None, name_=None):
        """The showing nodes, optionally of one role and one exact name."""
        self.acc.clear_cache()
        return [n for n in walk(self.acc) if showing(n)
                and (role_ is None or role(n) == role_)
                and (name_ is None or name(n) == name_)]

    def screen_summary(self):
        interesting = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL, pyatspi.ROLE_CHECK_BOX,
                       pyatspi.ROLE_TEXT, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)
        try:
            shown = [describe(n) for n in self.visible() if role(n) in interesting]
        except Exception as error:
            return f"(the screen could not be read: {error})"
        return "; ".join(shown[:40]) or "(nothing)"

    def wait(self, role_, name_, timeout=10, what=None):
        """The one showing node of that role and name, once it appears."""
        try:
            return wait_for(lambda: self.visible(role_, name_)[:1], timeout,
                            what or f"{Atspi.Role(role_).value_nick} '{name_}'")[0]
        except StageFailure as failure:
            raise StageFailure(f"{failure}; on screen: {self.screen_summary()}") from None

    def wait_gone(self, role_, name_, timeout=10, what=None):
        try:
            wait_for(lambda: not self.visible(role_, name_), timeout,
                     what or f"{Atspi.Role(role_).value_nick} '{name_}' to go away")
        except StageFailure as failure:
            raise StageFailure(f"{failure}; on screen: {self.screen_summary()}") from None

    def button(self, caption, timeout=10):
        return self.wait(ROLE_BUTTON, caption, timeout, f"the button '{caption}'")

    def label(self, caption, timeout=10):
        return self.wait(pyatspi.ROLE_LABEL, caption, timeout, f"the text '{caption}'")

    def dialog(self, message, timeout=10):
        """The message box showing `message` (its label), once it appears."""
        def find():
            for node in self.visible():
                if role(node) in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT):
                    if any(name(n) == message for n in walk(node) if role(n) == pyatspi.ROLE_LABEL):
                        return node
            return None
        try:
            return wait_for(find, timeout, f"the message '{message}'")
        except StageFailure as failure:
            raise StageFailure(f"{failure}; on screen: {self.screen_summary()}") from None

    def dialogs(self):
        return [n for n in self.visible() if role(n) in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)]


def inside(container, role_=None, name_=None):
    return [n for n in walk(container) if showing(n)
            and (role_ is None or role(n) == role_)
            and (name_ is None or name(n) == name_)]


def xdotool(*args):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, timeout=10)
    if result.returncode != 0:
        raise StageFailure(f"xdotool {' '.join(map(str, args))} failed: {result.stderr.strip()}")


def pointer():
    result = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True,
                            text=True, timeout=10)
    values = dict(line.split("=", 1) for line in result.stdout.split() if "=" in line)
    return int(values.get("X", -1)), int(values.get("Y", -1))


def click_at(x, y):
    # "mousemove --sync" waits for motion, forever when the pointer is
    # already there: move, see it arrive, then click.
    xdotool("mousemove", x, y)
    wait_for(lambda: pointer() == (x, y), 5, f"the pointer to reach {x},{y}")
    xdotool("click", 1)


def click(acc, dx=None, dy=None):
    """A left click in the middle of what acc shows, or at (dx, dy) from its
    top-left corner."""
    x, y, w, h = extents(acc)
    if w <= 0 or h <= 0:
        raise StageFailure(f"{describe(acc)} has no area on screen to click")
    click_at(x + (w // 2 if dx is None else dx), y + (h // 2 if dy is None else dy))


def _xdotool_out(*args):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, timeout=10)
    return result.stdout.split()


def focus_window(pid, title=None):
    """Gives the keyboard focus to the newest shown window of process pid
    (whose title contains `title`, when given), as a window manager gives it
    to a window that opens. The stage's X server runs no window manager."""
    query = ["search", "--onlyvisible", "--pid", pid] + (["--name", title] if title else [])
    window = wait_for(lambda: _xdotool_out(*query)[-1:], 5,
                      f"a shown window{f' titled {title!r}' if title else ''}")[0]
    xdotool("windowfocus", window)
    wait_for(lambda: _xdotool_out("getwindowfocus") == [window], 5, "the window to take the focus")


def window_titles(pid):
    """The titles of the shown windows of process pid as a window manager
    reads them (the _NET_WM_NAME property)."""
    titles = []
    for window in _xdotool_out("search", "--onlyvisible", "--pid", pid):
        result = subprocess.run(["xprop", "-id", window, "_NET_WM_NAME"], capture_output=True,
                                text=True, timeout=10)
        found = re.search(r'= "(.*)"$', result.stdout.strip())
        titles.append(found.group(1) if found else None)
    return titles


def key(*names):
    xdotool("key", "--clearmodifiers", *names)


def screenshot(path):
    result = subprocess.run(["import", "-window", "root", path], capture_output=True, text=True,
                            timeout=30)
    if result.returncode != 0:
        raise StageFailure(f"screenshot {path} failed: {result.stderr.strip()}")
