#!/usr/bin/env python3
"""Reads and writes the class's record files for the end-to-end runs.

  records.py show <S.nfo>            level, tests passed and session count, then a line a session
  records.py names <file.nfo>        the names of the sign-in list (Admin.nfo) or a class file
  records.py append <S.nfo> <session>...
      adds sessions, each "type:time:seconds[:correct:answered:level:passed:start:completed:left:goal]"
      (level 1 and the others 0 when not given)
  records.py mistakes <S.mtk> <a,b,operation,answer>...
      writes the mistake list: each fact missed once, no answer given, no right answers since
  records.py fluency <S.flu> <test file> [missed fact...]
      one first try at every fact of the test file (a file of sums): right after 1.2 s, or wrong
      for the facts named ("7+6")
  records.py tries <S.flu>           a line a fact: "a+b first-tries"
"""
import re
import struct
import sys

SESSION = struct.Struct("<IhhhhhBBhhhhI")
FACT = struct.Struct("<ihhIIBBI" + "IB" * 5)
SIGNS = {"+": 1, "-": 2, "x": 3, "/": 5}


def counted(data, at):
    length = data[at]
    at += 1
    if length == 0xFF:
        (length,) = struct.unpack_from("<H", data, at)
        at += 2
        if length == 0xFFFF:
            (length,) = struct.unpack_from("<I", data, at)
            at += 4
    return data[at:at + length].decode("cp1252"), at + length


def after_strings(data, count):
    at = 4  # the ID type or the reserved field
    for _ in range(count):
        _, at = counted(data, at)
    return at


def show(path):
    data = open(path, "rb").read()
    at = after_strings(data, 2)  # password, class key
    level, passed, _, _, count = struct.unpack_from("<iiiiI", data, at)
    print(f"level {level} passed {passed} sessions {count}")
    for index in range(count):
        (_, correct, answered, level, _, seconds, flag, _, start, completed, left, goal,
         kind) = SESSION.unpack_from(data, at + 20 + index * SESSION.size)
        print(f"type {kind} correct {correct} answered {answered} level {level} duration {seconds} "
              f"goal {goal} flag {flag} start {start} completed {completed} left {left}")


def names(path):
    data = open(path, "rb").read()
    at = after_strings(data, 1 if path.endswith("Admin.nfo") else 0) + 4
    for _ in range(struct.unpack_from("<I", data, at - 4)[0]):
        name, at = counted(data, at)
        print(name)


def append(path, sessions):
    data = bytearray(open(path, "rb").read())
    count_at = after_strings(data, 2) + 16
    added = b""
    for session in sessions:
        kind, when, seconds, *given = (int(field) for field in session.split(":"))
        correct, answered, level, passed, start, completed, left, goal = (
            given + [0, 0, 1, 0, 0, 0, 0, 0][len(given):])
        added += SESSION.pack(when, correct, answered, level, passed, seconds, 0, 0, start,
                              completed, left, goal, kind)
    stored = struct.unpack_from("<I", data, count_at)[0]
    struct.pack_into("<I", data, count_at, stored + len(sessions))
    open(path, "wb").write(bytes(data) + added)


def mistakes(path, facts):
    with open(path, "wb") as out:
        for fact in facts:
            a, b, operation, answer = (int(n) for n in fact.split(","))
            out.write(struct.pack("<hhihhhh", a, b, operation, -1, answer, 1, 0))


def fluency(path, test_file, missed):
    facts = []
    for line in open(test_file, encoding="ascii"):
        found = re.match(r"\s*(\d+)\s*([-+x/])\s*(\d+)", line)
        if found and (found[1], found[2], found[3]) not in facts:
            facts.append((found[1], found[2], found[3]))
    data = b"TLYF" + struct.pack("<HI", 2, len(facts))
    for a, sign, b in facts:
        right = int(f"{a}{sign}{b}" not in missed)
        data += FACT.pack(SIGNS[sign], int(a), int(b), 1, right, right, 1, 0, 1200, right, *[0] * 8)
    open(path, "wb").write(data)


def tries(path):
    data = open(path, "rb").read()
    assert data[:4] == b"TLYF" and struct.unpack_from("<H", data, 4)[0] == 2, "not version 2"
    signs = {code: sign for sign, code in SIGNS.items()}
    for index in range(struct.unpack_from("<I", data, 6)[0]):
        operation, a, b, shown, *_ = FACT.unpack_from(data, 10 + index * FACT.size)
        print(f"{a}{signs[operation]}{b} {shown}")


command, path, *rest = sys.argv[1:]
{"show": lambda: show(path), "names": lambda: names(path), "append": lambda: append(path, rest),
 "mistakes": lambda: mistakes(path, rest), "tries": lambda: tries(path),
 "fluency": lambda: fluency(path, rest[0], set(rest[1:]))}[command]()
