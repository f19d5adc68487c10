"""play_by_ear.py qt|web ORCA_LOG [--check]: the player's hands under Orca, through AT-SPI as
assistive technology acts, and one real click on the slider. Ten ships along row A, the hardest
breath, then shots from B1 on to the end. With --check, what Orca said is held against the
game: each cell read by its name, each ship and shot told without being asked, each box read
whole, and at "Rejouer ?" every shot told matches the board, so that a player who hears only
Orca knows the whole game."""
import re
import subprocess
import sys
import time

import pyatspi

KIND, LOG = sys.argv[1], sys.argv[2]
CHECK = "--check" in sys.argv
CELL = re.compile(r"^([A-J](?:10|[1-9])), ")
SHOT = re.compile(r"(Votre tir|L'ordinateur tire) en ([A-J](?:10|[1-9])) : "
                  r"(touché !|votre bateau est touché\.|dans l'eau\.)")
# What each shot leaves on its cell, by who fired and whether a ship was hit.
LEFT = {("Votre tir", True): "bateau de l'ordinateur touché",
        ("Votre tir", False): "votre tir dans l'eau",
        ("L'ordinateur tire", True): "votre bateau touché par l'ordinateur",
        ("L'ordinateur tire", False): "tir de l'ordinateur dans l'eau"}


def fail(what):
    sys.exit("play_by_ear: " + what)


def wait_for(find, seconds=20, what=None):
    for _ in range(seconds * 10):
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail("waited in vain for " + (what or find.__doc__))


def spoken():
    """What Orca has said so far, each utterance a line."""
    with open(LOG, errors="replace") as log:
        return [re.sub(r"'\[?(\{'established.*)?$", "", line.split("SPEECH OUTPUT: '", 1)[1].rstrip())
                for line in log if "SPEECH OUTPUT: '" in line]


class Ear:
    """Orca's words since the last question."""

    def __init__(self):
        self.heard = 0

    def expect(self, pattern, seconds=10):
        """Waits for Orca to say what matches PATTERN, a text or a compiled pattern."""
        def said():
            words = " ".join(" ".join(spoken()[self.heard:]).split())
            return re.search(pattern if isinstance(pattern, re.Pattern) else re.escape(pattern), words)
        return wait_for(said, seconds, "Orca to say '%s'" % getattr(pattern, "pattern", pattern)).group(0)

    def next(self):
        self.heard = len(spoken())


def orca_ready():
    """Orca, started"""
    try:
        with open(LOG, errors="replace") as log:
            return "Startup complete" in log.read()
    except FileNotFoundError:
        return False


def app():
    """the game's window"""
    for a in pyatspi.Registry.getDesktop(0):
        if a and a.name == ("Firefox" if KIND == "web" else "torvelle") and a.childCount:
            return a


def descendant(root, role, prefix=""):
    return pyatspi.findDescendant(
        root, lambda o: o.getRoleName() == role and (o.name or "").startswith(prefix))


def cells():
    """the grid's cells"""
    found = []
    pyatspi.findAllDescendants(app(), lambda o: o.getRoleName() == "push button" and CELL.match(o.name or "")
                               and not found.append(o))
    return len(found) == 100 and {CELL.match(c.name).group(1): c for c in found}


def press(obj, ear=None):
    if ear:
        ear.next()
    obj.queryAction().doAction(0)
    if not CHECK:
        time.sleep(2)  # time for Orca to speak, for the one who listens


def click(obj, across=0.5):
    """A real click, as a sighted player or Orca's mouse routing makes one."""
    x, y, width, height = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    at = [str(int(x + width * across)), str(y + height // 2)]
    subprocess.run(["xdotool", "mousemove"] + at + ["click", "1"], check=True)
    time.sleep(2)


def box():
    return pyatspi.findDescendant(app(), lambda o: o.getRoleName() in ("alert", "dialog") and (
        descendant(o, "push button", "OK") or descendant(o, "push button", "Non")))


def box_text(alert):
    """Its text: the page's box is described by it, the desktop's holds it in a label."""
    texts = [alert.description]
    pyatspi.findAllDescendants(alert, lambda o: not alert.description and o.getRoleName() == "label"
                               and not texts.append(o.name))
    return [line for text in texts for line in text.split("\n") if line.strip()]


def told_as_shown(grid, words):
    """Each shot Orca told against the cell it left: the board as a sighted player sees it."""
    shots = SHOT.findall(words)
    wrong = ["%s: told '%s', shown '%s'" % (cell, LEFT[(who, "touché" in result)], grid[cell].name)
             for who, cell, result in shots
             if grid[cell].name != "%s, %s" % (cell, LEFT[(who, "touché" in result)])]
    if wrong:
        fail("the board against what Orca told: " + "; ".join(wrong))
    return len(shots)


def boxes(ear):
    """Answers boxes as they come: OK, and "Non" to "Rejouer ?". False at the end."""
    while True:
        time.sleep(0.5)
        if not app():
            return False
        alert = box()
        if not alert:
            return True
        if CHECK:
            for line in box_text(alert):
                ear.expect(" ".join(line.split()))
        no = descendant(alert, "push button", "Non")
        if no:
            press(no)
            return False
        press(descendant(alert, "push button", "OK"), ear)


wait_for(orca_ready, 60)
wait_for(app, 60)
grid = wait_for(cells, 60)
ear = Ear()
if KIND == "web" and CHECK:  # the grid read cell by cell, as a player moving through it hears it
    grid["A1"].queryComponent().grabFocus()
    ear.expect("A1, mer")
for column in range(1, 11):  # ten ships along row A
    press(grid["A%d" % column], ear)
    if CHECK:
        ear.expect("A%d : votre bateau." % column)
if not CHECK:  # Orca's flat review, on the keypad: the line under review, then the next two
    for key in ["KP_Up", "KP_Page_Up", "KP_Page_Up"]:
        subprocess.run(["xdotool", "key", key])
        time.sleep(3)
# The hardest breath: a real click at the slider's right end, as only a mouse release counts.
click(descendant(app(), "slider"), 0.98)
playing, held = True, 0
for cell in ["%s%d" % (r, c) for r in "BCDEFGHIJ" for c in range(1, 11)]:
    if not playing:
        break
    grid = wait_for(cells)  # a page's box makes the board inert, and new once it is gone
    press(grid[cell], ear)
    if CHECK and cell != "B1":  # the first click begins the game, after two boxes
        # the computer's answer, unless it forfeits
        words = ear.expect(re.compile("Votre tir en %s : (touché !|dans l'eau\\.)( L'ordinateur tire en "
                                      "\\w+ : (votre bateau est touché|dans l'eau)\\.)?" % cell))
        if not box():
            held += told_as_shown(wait_for(cells), words)
    playing = boxes(ear)
if playing:
    fail("the game never asked 'Rejouer ?'")
if CHECK:
    print("play_by_ear: a whole game by ear; %d shots told as the board shows them" % held)
