"""Which whole hour a spoken sentence names, and the texts the program shows
and says that the stage looks for."""

import re

SECOND_COPY = "E' già stata avviata una copia di questo programma!"
BAD_SETTINGS = "C'è stato un errore nel recuperare le configurazioni!"
BACK_TO_MENU = "Vuoi tornare al menù?"
EXIT_PROGRAM = "Vuoi uscire dal programma?"
QUESTION_TITLE = "Uso dell'ertavino"

CLICK_INSTRUCTION = "Clicca dove deve arrivare la lancetta rossa"
ARROW_PROMPT = "Regola l'ertavino con le frecce e poi clicca sul bottone conferma."

# The exercise buttons of the menu, row by row; each caption stands in both
# groups (12-hour on the left, 24-hour on the right), click column first.
EXERCISE_ROWS = [
    ("Solo ore ", "Solo ore"),
    ("Ore e mezz'ore - una lancetta", "ore e mezz'ore (1)"),
    ("Ore e mezz'ore - due lancette", "ore e mezz'ore (2)"),
    ("Il quarto d'ora", "il quarto d'ora"),
    ("cinque minuti", "cinque minuti"),
]


def whole_hour(sentence, modo_ore):
    """The hour (1..modo_ore) a whole-hour sentence names, None for any
    other sentence."""
    fixed = {
        "E' l'una.": 1,
        "E' mezzogiorno.": 12,
        "Sono le dodici.": 12,
        "E' mezzanotte.": 12 if modo_ore == 12 else 24,
        "Sono le ventiquattro.": 24 if modo_ore == 24 else None,
    }
    if sentence in fixed:
        return fixed[sentence]
    m = re.fullmatch(r"Sono le (\d+)", sentence)
    if m and 2 <= int(m.group(1)) <= modo_ore and int(m.group(1)) not in (12, 24):
        return int(m.group(1))
    return None


def settings_bytes(voice, speed):
    """The settings file as the program writes it: each number with a blank
    for its sign, a trailing blank and CR LF."""
    def line(n):
        return (" " if n >= 0 else "-") + str(abs(n)) + " \r\n"
    return (line(voice) + line(speed)).encode("ascii")
