#!/usr/bin/env python3
"""Asks every box of the real window, in every mode, and of the recipe dialog what a screen reader
asks through AT-SPI, and checks that each answers with its whole value: the text at offset 0 line by
line and its attribute run cover the whole text, and every boundary before, at and after offsets 0,
the middle and the length answers (a call that never returns fails after a few seconds instead of
hanging). Then the program must be idle. Run by run-probe.sh, inside its own X server and buses."""

import os
import subprocess
import sys
import time

import pyatspi

from fournil_atspi import application, choose_mode, walk

BOUNDARIES = {
    "char": pyatspi.TEXT_BOUNDARY_CHAR,
    "word start": pyatspi.TEXT_BOUNDARY_WORD_START,
    "word end": pyatspi.TEXT_BOUNDARY_WORD_END,
    "sentence start": pyatspi.TEXT_BOUNDARY_SENTENCE_START,
    "sentence end": pyatspi.TEXT_BOUNDARY_SENTENCE_END,
    "line start": pyatspi.TEXT_BOUNDARY_LINE_START,
    "line end": pyatspi.TEXT_BOUNDARY_LINE_END,
}

failures = []
slowest = [0.0, ""]


def fail(what):
    failures.append(what)
    print("FAIL " + what, flush=True)


class Hung(Exception):
    pass


def timed(what, call):
    start = time.monotonic()
    try:
        return call()
    except Exception as error:  # a D-Bus timeout: the program did not answer
        fail("%s: no answer (%s)" % (what, error))
        raise Hung() from error  # every later question would wait as long
    finally:
        spent = time.monotonic() - start
        if spent > slowest[0]:
            slowest[:] = [spent, what]




def boxes(root):
    found = []

    def visit(node):
        states = node.getState()
        if node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) \
                and states.contains(pyatspi.STATE_SHOWING):
            found.append(node)
    walk(root, visit)
    return found


def probe(box, where):
    text = box.queryText()
    whole = timed(where + " getText", lambda: text.getText(0, -1))
    if whole is None:
        return
    length = len(whole)
    name = "%s %r (%s)" % (where, box.name, whole)
    line = timed(name + " line at 0", lambda: text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START))
    if line is not None and (line[0], line[1], line[2]) != (whole, 0, length):
        fail("%s: the line at 0 is %r" % (name, tuple(line)))
    run = timed(name + " attribute run at 0", lambda: text.getAttributeRun(0, False))
    if run is not None and (run[1], run[2]) != (0, length):
        fail("%s: the attribute run at 0 is %d..%d, not 0..%d" % (name, run[1], run[2], length))
    for offset in sorted({0, length // 2, length}):
        for label, boundary in BOUNDARIES.items():
            for side, ask in (("before", text.getTextBeforeOffset), ("at", text.getTextAtOffset),
                              ("after", text.getTextAfterOffset)):
                what = "%s: %s %s offset %d" % (name, label, side, offset)
                piece = timed(what, lambda: ask(offset, boundary))
                if piece is None:
                    continue
                got, start, end = piece[0], piece[1], piece[2]
                if not 0 <= start <= end <= length or got != whole[start:end]:
                    fail("%s answers %r %d..%d" % (what, got, start, end))
    print("ok   %s" % name, flush=True)


def choose(app, mode):
    choose_mode(app, mode)
    time.sleep(0.3)


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    pid = int(os.environ["FOURNIL_PID"])
    pyatspi.setTimeout(5000, 15000)  # milliseconds: a hang fails, it never blocks the run
    app = application()
    try:
        probe_all(app, pid)
    except Hung:
        pass
    idle(pid)


def probe_all(app, pid):
    for mode in range(1, 7):
        choose(app, mode)
        window_boxes = boxes(app)
        if not window_boxes:
            fail("mode %d: no box found" % mode)
        for box in window_boxes:
            probe(box, "mode %d" % mode)
    # The recipe dialog, from mode 1 (Ctrl+R through the real keyboard).
    choose(app, 1)
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(pid), "--name",
                    ".", "windowfocus", "--sync", "key", "ctrl+r"], check=False, timeout=20)
    dialog = None
    for _ in range(50):
        for i in range(app.childCount):
            child = app.getChildAtIndex(i)
            if child is not None and child.name == "Recette complète":
                dialog = child
        if dialog is not None:
            break
        time.sleep(0.2)
    if dialog is None:
        fail("the recipe dialog never opened")
    else:
        dialog_boxes = boxes(dialog)
        if len(dialog_boxes) != 4:
            fail("the recipe dialog shows %d boxes, not 4" % len(dialog_boxes))
        for box in dialog_boxes:
            probe(box, "recipe dialog")


def idle(pid):
    # A program that spins uses a whole core; an idle one almost nothing.
    time.sleep(0.5)
    before = cpu_seconds(pid)
    time.sleep(2)
    busy = cpu_seconds(pid) - before
    print("cpu of the program over 2 s after the probe: %.2f s" % busy)
    if busy > 0.5:
        fail("the program is still busy after the probe (%.2f s of cpu in 2 s)" % busy)
    print("slowest answer: %.1f ms (%s)" % (slowest[0] * 1000, slowest[1]))
    if failures:
        print("%d failures" % len(failures))
        sys.exit(1)


main()
