"""The accessibility audit: every control the stage sees must carry a name
that says what it is, and every control that acts must take the keyboard's
focus."""

import re

import pyatspi

import ui

# Controls a person acts on: they need a name and must be reachable by Tab.
ACTING = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX,
          pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_SLIDER, pyatspi.ROLE_TOGGLE_BUTTON,
          pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_SPIN_BUTTON}
# Controls that show something: they need a name (a label's text is its name).
SHOWING = {pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE, pyatspi.ROLE_ICON, pyatspi.ROLE_CANVAS,
           pyatspi.ROLE_DRAWING_AREA}
# Plain widgets: a container needs no name, a leaf draws something and does.
PLAIN = {pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL, pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_REDUNDANT_OBJECT}
# A name that is a designer's control name says nothing to a person.
CODE_NAME = re.compile(r"^(Command|Label|Picture|Image|Text|Check|Combo|HScroll|vScroll|Form|"
                       r"frm|Bottone|Etichetta|Comando)\w*\d*$")


def identify(node):
    """How the report names a node: its object name when the toolkit tells
    it, else its role, place and the screen's title."""
    try:
        object_name = node.get_accessible_id()
    except Exception:
        object_name = ""
    x, y, w, h = ui.extents(node)
    where = f"{node.getRoleName()} at {x},{y} {w}x{h}"
    return f"{object_name} ({where})" if object_name else where


def problems_of(node):
    r = ui.role(node)
    name = ui.name(node).strip()
    found = []
    if r in ACTING or r in SHOWING or (r in PLAIN and not ui._children(node)):
        if not name:
            found.append("has no accessible name")
        elif not re.search(r"\w", name) and not re.search(r"\w", node.description or ""):
            found.append(f"is named only '{name}' and has no description")
        elif CODE_NAME.match(name) and " " not in name:
            found.append(f"is named '{name}', a control name")
    if r in ACTING and not ui.has_state(node, pyatspi.STATE_FOCUSABLE):
        found.append("cannot take the keyboard focus")
    return found


def audit_screen(stage, app, screen):
    """Records the problems of what the screen shows now."""
    seen = stage.audit.setdefault(screen, [])
    for node in app.visible():
        for problem in problems_of(node):
            line = f"{screen}: {identify(node)} {problem}"
            if line not in seen:
                seen.append(line)


def report(stage):
    return [line for screen in stage.audit for line in stage.audit[screen]]
