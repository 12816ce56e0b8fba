#!/usr/bin/env python3
"""Asks the named text controls of the running tabderiv, over AT-SPI, for every text unit at,
before and after every offset, each request with a one-second limit; prints one line per
control and exits 1 when a request did not return. Run by scripts/textrequests.sh."""
import sys
import time

import pyatspi
from gi.repository import Atspi

BOUNDARIES = {
    "char": pyatspi.TEXT_BOUNDARY_CHAR,
    "word start": pyatspi.TEXT_BOUNDARY_WORD_START,
    "word end": pyatspi.TEXT_BOUNDARY_WORD_END,
    "sentence start": pyatspi.TEXT_BOUNDARY_SENTENCE_START,
    "line start": pyatspi.TEXT_BOUNDARY_LINE_START,
}
GRANULARITIES = {
    "char": Atspi.TextGranularity.CHAR,
    "word": Atspi.TextGranularity.WORD,
    "sentence": Atspi.TextGranularity.SENTENCE,
    "line": Atspi.TextGranularity.LINE,
    "paragraph": Atspi.TextGranularity.PARAGRAPH,
}


def find(node, name):
    if node is None:
        return None
    if node.name == name:
        return node
    for child in node:
        found = find(child, name)
        if found is not None:
            return found
    return None


def main(names):
    Atspi.set_timeout(1000, 1000)
    desktop = pyatspi.Registry.getDesktop(0)
    application = next(a for a in desktop if a is not None and a.name == "tabderiv")
    failed = 0
    for name in names:
        control = find(application, name)
        text = control.queryText()
        length = text.characterCount
        content = text.getText(0, -1)
        asked = 0
        slowest = 0.0
        for offset in range(-1, length + 2):
            requests = [(f"{kind} {b}", getattr(text, f"getText{kind}Offset"), offset, value)
                        for kind in ("At", "Before", "After") for b, value in BOUNDARIES.items()]
            requests += [(f"string {g}", text.getStringAtOffset, offset, value)
                         for g, value in GRANULARITIES.items()]
            for what, request, at, value in requests:
                started = time.monotonic()
                try:
                    request(at, value)
                except Exception as error:  # a timeout says the program stopped answering
                    if "Timeout" in str(error) or "timed out" in str(error).lower():
                        print(f"{name}: {what} at {at} did not return", file=sys.stderr)
                        failed += 1
                slowest = max(slowest, time.monotonic() - started)
                asked += 1
        print(f"{name} ({content!r}): {asked} requests, every one returned, "
              f"the slowest in {slowest * 1000:.0f} ms")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
