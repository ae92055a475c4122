#!/usr/bin/env python3
"""Writes names_1000.txt: the 404 lobby names, then each taken again as players vary a
name that is taken (a clan tag, digits, a suffix, a symbol or an emoji), until there are
1,000. Deterministic: the same file every run."""

from pathlib import Path

HERE = Path(__file__).resolve().parent
SOURCE = HERE.parent.parent / "examples" / "lobby_names.txt"
TARGET = HERE / "names_1000.txt"
COUNT = 1000
# Coprime with 404, so the variants walk through every name before any comes back.
STRIDE = 37

PREFIXES = ["[FaZe]", "TTV_", "〔鬼〕", "꧁", "xX", "🔥", "【JP】", "Dr.", "ǤǤ_", "★", "[КРС]", "🇧🇷"]
SUFFIXES = ["_99", "2007", "™", "꧂", "Xx", "_ツ", "👑", "_ᴳᴳ", "77", "🇫🇷", "_é", "1️⃣", "_jr", "✓", "♛", "_ch"]


def variant(name: str, i: int) -> str:
    kind = i % 3
    if kind == 0:
        return PREFIXES[i % len(PREFIXES)] + name
    if kind == 1:
        return name + SUFFIXES[i % len(SUFFIXES)]
    return PREFIXES[(i // 3) % len(PREFIXES)] + name + str(i % 100)


def main() -> None:
    names = [line for line in SOURCE.read_text(encoding="utf-8").splitlines() if line.strip()]
    out = list(names)
    i = 0
    while len(out) < COUNT:
        out.append(variant(names[(i * STRIDE) % len(names)], i))
        i += 1
    TARGET.write_text("\n".join(out) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
