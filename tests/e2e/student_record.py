#!/usr/bin/env python3
"""Prints a student record file (S.nfo) as text: level, tests passed, then one line per session.

Usage: student_record.py <S.nfo>
"""
import struct
import sys


def counted_string(data, at):
    length = data[at]
    at += 1
    if length == 0xFF:
        (length,) = struct.unpack_from("<H", data, at)
        at += 2
        if length == 0xFFFF:
            (length,) = struct.unpack_from("<I", data, at)
            at += 4
    return data[at:at + length].decode("cp1252"), at + length


def main():
    data = open(sys.argv[1], "rb").read()
    at = 4  # ID type
    _, at = counted_string(data, at)  # password
    _, at = counted_string(data, at)  # class key
    level, tests_passed, _, _, sessions = struct.unpack_from("<iiiiI", data, at)
    at += 20
    print(f"level {level} passed {tests_passed} sessions {sessions}")
    for _ in range(sessions):
        (time, correct, answered, session_level, passed_before, duration, flag, _spare,
         at_start, completed, left, goal, kind) = struct.unpack_from("<IhhhhhBBhhhhI", data, at)
        at += 28
        print(f"type {kind} correct {correct} answered {answered} level {session_level} "
              f"duration {duration} goal {goal} flag {flag} "
              f"start {at_start} completed {completed} left {left}")


main()
