#!/usr/bin/python3
"""Reads the program through the accessibility bus (AT-SPI) as a screen reader would.

Usage: atspi.py windows | focus | outside | answer COUNT [SECONDS [BEGAN_NS MINUTE_MS]] | alert
  windows  the role and name of each showing top-level window
  focus    the role, name and description of the object with the keyboard focus
  outside  every showing object whose rectangle leaves the 800 x 600 screen
  answer   reads each new card with the focus ("7 plus 8") and types its answer SECONDS later
           (none by default), COUNT times (0: until a message box comes up); prints each card,
           and after the last answer what the focus says next (the feedback, the result);
           given when a timed session began and its length, cards that come within a few seconds
           of its end are read but not answered, as a late Return would close the closing message
  alert    the text of the message box that is up
"""
import re
import subprocess
import sys
import time

import pyatspi

PROBLEM = re.compile(r"(\d+) (plus|minus|times|divided by) (\d+)")
ANSWERS = {"plus": lambda a, b: a + b, "minus": lambda a, b: a - b,
           "times": lambda a, b: a * b, "divided by": lambda a, b: a // b}


def program():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Tallyhop":
                return app
        time.sleep(0.1)
    sys.exit("Tallyhop is not on the accessibility bus")


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def descendants(acc):
    for index in range(acc.childCount):
        child = acc.getChildAtIndex(index)
        if child is not None and showing(child):
            yield child
            yield from descendants(child)


def windows():
    return [window for window in program() if window is not None and showing(window)]


def everything():
    """Every showing window and object in it."""
    return (acc for window in windows() for acc in [window, *descendants(window)])


def focused():
    return next((acc for acc in everything() if acc.getState().contains(pyatspi.STATE_FOCUSED)),
                None)


def alert():
    """The message box that is up: a window of its own, or a child of the window it belongs to."""
    return next((acc for acc in everything() if acc.getRole() == pyatspi.ROLE_ALERT), None)


def describe(acc):
    return f"{acc.getRoleName()}: {acc.name}" + (f" ({acc.description})" if acc.description else "")


def answer(count, think, ends=None):
    last, answered, since = None, 0, time.time()
    while True:
        card = focused()
        said = (card.name, card.description) if card is not None else None
        match = PROBLEM.fullmatch(card.name) if card is not None else None
        # Each right answer's feedback adds 0.8 s to the session; the margin is the runs' tolerance.
        near_end = ends is not None and time.time() + think + 3 >= ends + 0.8 * answered
        if match and said != last and near_end:
            print(card.name, flush=True)
            last = said
        elif match and said != last:
            print(card.name, flush=True)
            time.sleep(think)
            now = focused() if think else card
            if now is None or now.name != card.name:
                continue  # the card went meanwhile (the session's time is up)
            a, b = int(match[1]), int(match[3])
            subprocess.run(["xdotool", "type", "--delay", "20", str(ANSWERS[match[2]](a, b))])
            subprocess.run(["xdotool", "key", "Return"])
            last, answered, since = said, answered + 1, time.time()
        elif not match:
            # Feedback in between: the same problem may come again.
            last = None
        if count == 0 and alert() is not None:
            return
        if answered == count:
            while card is not None and card.name == last[0] and time.time() - since < 5:
                time.sleep(0.05)
                card = focused()
            print(describe(card) if card is not None else "nothing", flush=True)
            return
        if time.time() - since > 16:
            sys.exit(f"no new card after {answered} cards; the focus is on "
                     f"{describe(card) if card else 'nothing'}")
        time.sleep(0.05)


def main():
    command = sys.argv[1]
    if command == "windows":
        for window in windows():
            print(describe(window))
    elif command == "focus":
        acc = focused()
        print(describe(acc) if acc else "nothing")
    elif command == "outside":
        for acc in everything():
            x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            if x < 0 or y < 0 or x + w > 800 or y + h > 600:
                print(f"{describe(acc)} at {x},{y} {w}x{h}")
    elif command == "answer":
        ends = int(sys.argv[4]) / 1e9 + int(sys.argv[5]) / 1e3 if len(sys.argv) > 5 else None
        answer(int(sys.argv[2]), float(sys.argv[3]) if len(sys.argv) > 3 else 0, ends)
    elif command == "alert":
        box = alert()
        if box is not None:
            print(" ".join(acc.name for acc in descendants(box)
                           if acc.getRole() == pyatspi.ROLE_LABEL and acc.name))


main()
