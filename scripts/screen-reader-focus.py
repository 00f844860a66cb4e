#!/usr/bin/python3
"""Helper of scripts/screen-reader-speech, through AT-SPI:
  screen-reader-focus.py --mode N          chooses mode N (1 to 6) with its button's action
  screen-reader-focus.py --compare FILE    prints the focused box's value as shown and as heard in
                                           FILE (what Orca said), "MISREAD" when it was not heard
                                           whole (a digit dropped: "1200" heard "120")."""

import re
import sys

import pyatspi

MODES = ["proportions eau/farine", "hydratation d'une pâte", "t° eau de coulage",
         "modification d'un levain", "levain1 vers levain2", "proportion pâte /levain"]


def walk(node, visit):
    visit(node)
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, visit)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and (app.name or "").lower().startswith("fournil"):
            return app
    sys.exit("the program is not on the AT-SPI bus")


def choose(mode):
    def press(node):
        if node.getRole() == pyatspi.ROLE_RADIO_BUTTON and node.name == MODES[mode - 1]:
            node.queryAction().doAction(0)
    walk(application(), press)


def compare(heard_file):
    focus = []

    def visit(node):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            focus.append(node)
    walk(application(), visit)
    if not focus or focus[-1].getRole() not in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
        return
    box = focus[-1]
    shown = box.queryText().getText(0, -1)
    with open(heard_file, encoding="utf-8", errors="replace") as f:
        heard = f.read()
    if box.name and box.name not in heard:
        verdict = "(the box was not read on this key)"
    elif not shown or re.search(r"(?<![\d,])" + re.escape(shown) + r"(?![\d,])", heard):
        verdict = "heard whole"  # standing alone, not inside a longer number
    else:
        verdict = "MISREAD: not heard whole"
    print("    [%s] shown %r: %s" % (box.name, shown, verdict))


if sys.argv[1] == "--mode":
    choose(int(sys.argv[2]))
elif sys.argv[1] == "--compare":
    compare(sys.argv[2])
