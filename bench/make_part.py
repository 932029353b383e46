#!/usr/bin/env python3
"""Writes a large part file for measuring the draftlift tool on big parts.

    bench/make_part.py [NOTES] [OUTPUT]     (defaults: 1000000 notes, stdout)

A million notes make about 200 MB. The notes cycle through feature control
frames, datums, datum targets, dimensions and notes; one in fifty is refused
(a wrong frame row) and one in a hundred records a kind that makes no object.
A line, an arc or a point sits between every few notes, as in a real part.
The output is the same for the same count.
"""
import sys


def record(n):
    i, v = str(n), f"0.{n % 97 + 1}"
    if n % 50 == 49:
        return f"MBD|BAD-{i}|1|0|0|0|0||0|0\r\n101|0|0|0|1|0|0|0|0|0\r\n104|6|0|{v}|0|0||0|"
    if n % 100 == 98:
        return f"MBD|KIND-{i}|15|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|0|0|0"
    kind = n % 6
    if kind == 0:
        return (f"MBD|FCF-{i}|5|1|-{i}|0|0||0|0\r\n101|0|0|0|1|1|1|0|0|0\r\n"
                f"102|6|12|{v}|-{v}|13|MAX|0|\r\n103|A|12|B|0|C|0\r\n104|8|0|{v}/25|0|0||0|\r\n"
                f"106|10|0|{v}|0|14|CZ|0|\r\n107|D|0|E|13|F|0")
    if kind == 1:
        return f"MBD|DATUM-{i}|7|0|{i}|0|0||0|0\r\n101|0|0|0|0|0|0|1|0|0\r\n108|A"
    if kind == 2:
        return (f"MBD|T{i}|11|2|-4|0|0||0|0\r\n101|0|0|0|0|0|0|1|0|1\r\n108|T{i}\r\n"
                f"136|target {i}\r\n110\r\nsee note {i}")
    if kind == 3:
        return (f"MBD|DIM-{i}|12|0|0|0|0||0|0\r\n125|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|1\r\n"
                f"126|0|1|0|0|0|0|0|0|{i}|0|0\r\n0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|R{i}|0|0\r\n"
                f"1|0|0|0|0|{v}*2|{v}/4|0\r\n0|0")
    if kind == 4:
        return (f"MBD|FCF-{i}|2|0|{i}|0|0||0|0\r\n125|0|0|0|1|1|0|0|0|0|0|0|0|0|0|1|0|0\r\n"
                f"102|19|0|{v}|0|0||0|\r\n104|20|0|{v}|0|0||0|\r\n109|ALL AROUND")
    return (f"MBD|NOTE-{i}|8|0|{i}|0|0||0|0\r\n101|0|0|0|0|0|0|0|0|3\r\n110\r\n"
            f"first line of note {i}\r\nsecond|line\r\nthird line")


def escaped(text):
    return text.replace("\\", "\\\\").replace('"', '\\"').replace("\r", "\\r").replace("\n", "\\n")


def write(out, notes):
    others = ('{"type": "line"}', '{"type": "arc"}', '{"type": "point"}')
    out.write('{"entities": [\n')
    for n in range(notes):
        if n % 4 == 3:
            out.write(f"  {others[n % 3]},\n")
        separator = "," if n + 1 < notes else ""
        out.write(f'  {{"type": "note", "text": "~M01|{n}", "basePoint": [{n % 1000}.5, {n // 1000}.25, 0], '
                  f'"memoryTable": {n + 1}}}{separator}\n')
    out.write('],\n"memoryTables": {\n')
    for n in range(notes):
        separator = "," if n + 1 < notes else ""
        out.write(f'  "{n + 1}": "{escaped(record(n))}"{separator}\n')
    out.write('},\n"levels": {"active": [1, 2], "visible": [1], "main": 1}}\n')


def main(args):
    notes = int(args[0]) if args else 1000000
    if len(args) > 1 and args[1] != "-":
        with open(args[1], "w", encoding="utf-8", newline="\n") as out:
            write(out, notes)
    else:
        write(sys.stdout, notes)


if __name__ == "__main__":
    main(sys.argv[1:])
