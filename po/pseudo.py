#!/usr/bin/env python3
"""The tests' pseudo-language: reads one English text on stdin (msgfilter runs it for each
message) and writes it with accented letters and a third longer, in brackets, so that a text left
in English or clipped shows at once. Placeholders (%1$s, %%) and the tab that parts a key from what
it does are kept as they are."""
import re
import sys

ACCENTS = str.maketrans("AaCcEeIiOoUuNnYy", "ÅåÇçÉéÎîÖöÛûÑñÝý")

text = sys.stdin.read()
if text:
    parts = re.split(r"(%\d\$s|%%|\t|\n)", text)
    out = "".join(p if re.fullmatch(r"%\d\$s|%%|\t|\n", p) else p.translate(ACCENTS) for p in parts)
    letters = sum(1 for c in text if c.isalpha())
    # A text that begins or ends with a line break keeps it there (msgfmt --check holds to it).
    body = out.strip("\n")
    head = out[: len(out) - len(out.lstrip("\n"))]
    tail = out[len(out.rstrip("\n")):] if body else ""
    sys.stdout.write(head + "[" + body + "~" * max(1, (letters + 2) // 3) + "]" + tail)
