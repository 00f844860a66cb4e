#!/usr/bin/python3
"""Helper of scripts/screen-reader-speech, through AT-SPI:
  screen-reader-focus.py --mode N          chooses mode N (1 to 6) with its button's action
  screen-reader-focus.py --shown           prints the focused box's name and value (JSON)
  screen-reader-focus.py --report LOG STEPS
                                           prints what Orca said after each step (its log cut at
                                           the Shift_R said before each one) and the focused
                                           box's value as shown and as heard, "MISREAD" when it
                                           was not heard whole (a digit dropped: "1200" as "120")"""

import json
import os
import re
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.realpath(__file__)), "..", "tests",
                                "atspi"))
from fournil_atspi import application, choose_mode, walk  # noqa: E402





def choose(mode):
    choose_mode(application(), mode)


def shown():
    """The focused box's name and value, one line of JSON (nothing when no box has the focus)."""
    focus = []

    def visit(node):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            focus.append(node)
    walk(application(), visit)
    if focus and focus[-1].getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
        print(json.dumps([focus[-1].name, focus[-1].queryText().getText(0, -1)]))
    else:
        print("null")


def report(log_file, steps_file):
    """What Orca said after each step: its log cut at the marker key pressed before each one."""
    with open(log_file, encoding="utf-8", errors="replace") as f:
        log = f.read()
    segments = re.split(r"vvvvv PROCESS \w*KEY_PRESSED_EVENT: 'Shift_R'", log)
    with open(steps_file, encoding="utf-8") as f:
        steps = [json.loads(line) for line in f]
    for i, segment in enumerate(segments[:len(steps) + 1]):
        said = [re.sub(r"\{.established.: False\}", "", m).strip()
                for m in re.findall(r"SPEECH OUTPUT: (.*)", segment)]
        said = [s for s in said if not re.fullmatch(r"'maj (gauche|droit) ?'", s)]
        print("--- " + (steps[i - 1][0] if 0 < i <= len(steps) else "start-up"))
        for line in said:
            print(line)
        if 0 < i <= len(steps) and steps[i - 1][1]:
            name, value = steps[i - 1][1]
            heard = "\n".join(said)
            # Read as a box is when focused: its own name first, not inside a notification that
            # names it beside a message.
            if name and not any(line.lstrip("'\"").startswith(name) for line in said):
                verdict = "(the box was not read on this key)"
            elif not value or re.search(r"(?<![\d,])" + re.escape(value) + r"(?![\d,])", heard):
                verdict = "heard whole"  # standing alone, not inside a longer number
            else:
                verdict = "MISREAD: not heard whole"
            print("    [%s] shown %r: %s" % (name, value, verdict))


if sys.argv[1] == "--mode":
    choose(int(sys.argv[2]))
elif sys.argv[1] == "--shown":
    shown()
elif sys.argv[1] == "--report":
    report(sys.argv[2], sys.argv[3])
