"""The program as AT-SPI shows it: found on the bus, walked, its mode chosen. Shared by the
probe beside it and scripts/screen-reader-focus.py."""

import sys
import time

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
    """The program on the bus, waited for a while as it starts."""
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and (app.name or "").lower().startswith("fournil"):
                return app
        time.sleep(0.2)
    sys.exit("the program never showed itself on the AT-SPI bus")


def choose_mode(app, mode):
    """Mode 1 to 6 chosen by its button's action, as a person's click does."""
    def press(node):
        if node.getRole() == pyatspi.ROLE_RADIO_BUTTON and node.name == MODES[mode - 1]:
            node.queryAction().doAction(0)
    walk(app, press)
