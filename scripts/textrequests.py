#!/usr/bin/env python3
"""Asks every text control of the active window of the running tabderiv, over AT-SPI, as a
screen reader does, for every text unit at, before and after every offset from -1 to one past
the end, and for the string at every offset in every granularity; each request has a one-second
limit. An editable control is asked holding each text of TEXTS in turn (and then its own text
again), any other control holding its own text. Prints one line for the window, and exits 1 when
a request did not return or a control counts "𝑥=2.5" as other than five characters.

Usage: textrequests.py WINDOW [NAME=TEXT]
  WINDOW names the window in the report; NAME=TEXT first puts TEXT into the control named NAME
  (the box, "Abscissa x") and checks how the reader sees it. Run by scripts/textrequests.sh."""
import re
import sys
import time

import pyatspi
from gi.repository import Atspi

BOUNDARIES = {
    "char": pyatspi.TEXT_BOUNDARY_CHAR,
    "word start": pyatspi.TEXT_BOUNDARY_WORD_START,
    "word end": pyatspi.TEXT_BOUNDARY_WORD_END,
    "sentence start": pyatspi.TEXT_BOUNDARY_SENTENCE_START,
    "sentence end": pyatspi.TEXT_BOUNDARY_SENTENCE_END,
    "line start": pyatspi.TEXT_BOUNDARY_LINE_START,
    "line end": pyatspi.TEXT_BOUNDARY_LINE_END,
}
GRANULARITIES = {
    "char": Atspi.TextGranularity.CHAR,
    "word": Atspi.TextGranularity.WORD,
    "sentence": Atspi.TextGranularity.SENTENCE,
    "line": Atspi.TextGranularity.LINE,
    "paragraph": Atspi.TextGranularity.PARAGRAPH,
}
# A path, nothing, a blank, a blank at the end, a letter outside the Basic Multilingual Plane.
TEXTS = ["/tmp/tabderiv/a folder/result.txt", "", " ", "2.5 ", "𝑥=2.5"]


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next(a for a in desktop if a is not None and a.name == "tabderiv")


def active_window(app):
    windows = [w for w in app if w is not None]
    active = [w for w in windows if w.getState().contains(pyatspi.STATE_ACTIVE)]
    return (active or windows)[-1]


def text_controls(node):
    """The controls with a text interface under node, node included."""
    found = []
    try:
        node.queryText()
        found.append(node)
    except NotImplementedError:
        pass
    for child in node:
        if child is not None:
            found += text_controls(child)
    return found


def describe(control):
    return f"{control.getRoleName()} {control.name!r}"


class Asker:
    def __init__(self):
        self.requests = 0
        self.unanswered = 0
        self.refused = {}  # error message -> count: requests the toolkit does not implement
        self.slowest = 0.0

    def ask(self, control):
        """Every request at every offset of the control's text."""
        text = control.queryText()
        length = text.characterCount
        for offset in range(-1, length + 2):
            requests = [(f"{kind} {b}", getattr(text, f"getText{kind}Offset"), value)
                        for kind in ("At", "Before", "After") for b, value in BOUNDARIES.items()]
            requests += [(f"string {g}", text.getStringAtOffset, value)
                         for g, value in GRANULARITIES.items()]
            for what, request, value in requests:
                started = time.monotonic()
                try:
                    request(offset, value)
                except Exception as error:
                    message = str(error)
                    if "Timeout" in message or "timed out" in message.lower() \
                            or "NoReply" in message:
                        print(f"{describe(control)}: {what} at {offset} did not return",
                              file=sys.stderr)
                        self.unanswered += 1
                    else:  # an error reply: the toolkit has no such request
                        key = f"{what.split()[0]}: " + re.sub(r"'[^']*'", "...", message)[-60:]
                        self.refused[key] = self.refused.get(key, 0) + 1
                self.slowest = max(self.slowest, time.monotonic() - started)
                self.requests += 1


def set_text(control, text):
    try:
        editable = control.queryEditableText()
    except NotImplementedError:
        return False
    editable.setTextContents(text)
    time.sleep(0.05)
    return True


def check_letter(control):
    """How a reader sees "𝑥=2.5": five characters, the first of them the letter."""
    text = control.queryText()
    count = text.characterCount
    first = text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_CHAR)[0]
    character = text.getCharacterAtOffset(0)
    whole = text.getText(0, -1)
    print(f"  {describe(control)} holding {whole!r}: characterCount {count}, character at 0 "
          f"{first!r}, GetCharacterAtOffset(0) {character} (U+1D465 is {0x1D465})")
    return count == 5 and first == "𝑥"


def main(window_name, setting=None):
    Atspi.set_timeout(1000, 1000)
    app = application()
    window = active_window(app)
    controls = text_controls(window)
    asker = Asker()
    wrong = 0
    if setting:
        name, wanted = setting.split("=", 1)
        control = next(c for c in controls if c.name == name)
        set_text(control, wanted)
        if wanted == "𝑥=2.5" and not check_letter(control):
            wrong += 1
    for control in controls:
        own = control.queryText().getText(0, -1)
        if set_text(control, TEXTS[0]):
            for text in TEXTS:
                set_text(control, text)
                asker.ask(control)
                if text == "𝑥=2.5" and not check_letter(control):
                    wrong += 1
            set_text(control, own)
        asker.ask(control)
    names = ", ".join(describe(c) for c in controls)
    print(f"{window_name} ({describe(window)}): {len(controls)} text controls ({names}); "
          f"{asker.requests} requests, {asker.requests - asker.unanswered} returned, "
          f"the slowest in {asker.slowest * 1000:.0f} ms")
    # Qt 6.4's bridge has no GetStringAtOffset: it answers each with an error at once.
    for message, count in sorted(asker.refused.items()):
        print(f"  {count} answered at once with an error ({message})")
    return 1 if asker.unanswered or wrong else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
