#!/usr/bin/env python3
"""Writes jis_kanji.cpp: the kanji of JIS X 0208 levels 1 and 2 (rows 16 to 84) in JIS order,
as Python's EUC-JP codec maps them. The tool carries the table rather than asking the system
for an EUC-JP converter, which Windows does not have; a native test checks it against glibc's
iconv."""
import pathlib

FIRST_ROW, LAST_ROW, CELLS = 16, 84, 94
EUC_OFFSET = 0xA0


def kanji():
    for row in range(FIRST_ROW, LAST_ROW + 1):
        for cell in range(1, CELLS + 1):
            try:
                text = bytes([EUC_OFFSET + row, EUC_OFFSET + cell]).decode("euc_jp")
            except UnicodeDecodeError:
                continue  # a cell JIS leaves empty
            yield ord(text)


def main():
    points = list(kanji())
    lines = []
    for i in range(0, len(points), 12):
        lines.append("    " + " ".join(f"0x{p:04X}," for p in points[i:i + 12]))
    body = "\n".join(lines)
    out = pathlib.Path(__file__).with_name("jis_kanji.cpp")
    out.write_text(f"""// Made by make_jis_kanji_table.py; run it again rather than editing the table.
#include "jis_kanji.h"

#include <array>
#include <cstdint>

namespace {{

// clang-format off
constexpr std::array<std::uint16_t, {len(points)}> kKanji{{
{body}
}};
// clang-format on

}}  // namespace

std::vector<CodePoint> jisX0208Kanji() {{ return {{kKanji.begin(), kKanji.end()}}; }}
""")


if __name__ == "__main__":
    main()
