#!/usr/bin/env python3
"""Writes or reads a student's fluency record (S.flu, version 2).

  fluency_record.py write <S.flu> <test file> [missed fact …]
      one first try at every fact of the test file: right after 1.2 s, or wrong for the facts
      named ("7+6"); products with 0 are not normalised, so give it a file of sums.
  fluency_record.py tries <S.flu>
      one line per fact: "a+b first-tries" (the operation as its sign).
"""
import re
import struct
import sys

SIGNS = {"+": 1, "-": 2, "x": 3, "/": 5}
NAMES = {code: sign for sign, code in SIGNS.items()}
FACT = struct.Struct("<ihhIIBBI" + "IB" * 5)


def facts_of(path):
    facts = []
    for line in open(path, encoding="ascii"):
        found = re.match(r"\s*(\d+)\s*([-+x/])\s*(\d+)", line)
        if found:
            fact = (SIGNS[found[2]], int(found[1]), int(found[3]))
            if fact not in facts:
                facts.append(fact)
    return facts


def write(record, test_file, missed):
    facts = facts_of(test_file)
    data = b"TLYF" + struct.pack("<HI", 2, len(facts))
    for operation, a, b in facts:
        right = f"{a}{NAMES[operation]}{b}" not in missed
        slots = [1200, int(right)] + [0, 0] * 4
        data += FACT.pack(operation, a, b, 1, int(right), int(right), 1, 0, *slots)
    open(record, "wb").write(data)


def tries(record):
    data = open(record, "rb").read()
    assert data[:4] == b"TLYF" and struct.unpack_from("<H", data, 4)[0] == 2, "not a version-2 record"
    (count,) = struct.unpack_from("<I", data, 6)
    for index in range(count):
        operation, a, b, shown, *_ = FACT.unpack_from(data, 10 + index * FACT.size)
        print(f"{a}{NAMES[operation]}{b} {shown}")


if sys.argv[1] == "write":
    write(sys.argv[2], sys.argv[3], set(sys.argv[4:]))
else:
    tries(sys.argv[2])
