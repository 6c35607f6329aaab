#!/usr/bin/python3
"""Reads an exported workbook back and holds it against the CSV file of the
same export: the sheet's name, the captions (bold, the row frozen below
them), every cell's value and its number format by the column's kind.

Usage: compare_workbook.py WORKBOOK CSV SHEET KINDS
KINDS has one word a column: t text, i integer, n2/n3/n4 number with
that many decimals, r2/r4 the same trimmed in CSV (nothing for 0), d date;
e.g. "t d d n2 t".
Prints "ok ROWS" or the first differences, exit status 1 then.
"""
import csv
import datetime
import sys

import openpyxl


def csv_rows(path):
    with open(path, encoding="gbk", newline="") as f:
        rows = list(csv.reader(f))
    # A text cell that starts like a formula has a quote in front in CSV.
    return [[c[1:] if c[:2] in ("'=", "'+", "'-", "'@") else c for c in row] for row in rows]


def expected_format(kind):
    if kind == "t":
        return "@"
    if kind == "i":
        return "0"
    if kind == "d":
        return "yyyy-mm-dd"
    decimals = int(kind[1:])  # n and r
    return "0." + "0" * decimals if decimals else "0"


def cell_text(cell, kind):
    """The cell as its CSV file writes it."""
    value = cell.value
    if value is None:
        return None
    if kind == "d":
        if isinstance(value, datetime.datetime):
            return value.strftime("%Y%m%d")
        return "%d" % value
    if kind == "i":
        return "%d" % value
    if kind.startswith("n"):
        return "%.*f" % (int(kind[1:]), value)
    if kind.startswith("r"):
        text = ("%.*f" % (int(kind[1:]), value)).rstrip("0").rstrip(".")
        return "" if text in ("0", "-0") else text
    return value


def main():
    book_path, csv_path, sheet, kinds = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4].split()
    book = openpyxl.load_workbook(book_path)
    problems = []
    if book.sheetnames != [sheet]:
        problems.append("sheets %r, expected [%r]" % (book.sheetnames, sheet))
    ws = book[book.sheetnames[0]]
    lines = csv_rows(csv_path)
    rows = list(ws.iter_rows())
    if ws.freeze_panes != "A2":
        problems.append("frozen at %r" % ws.freeze_panes)
    if len(rows) != len(lines):
        problems.append("%d rows, the CSV file %d lines" % (len(rows), len(lines)))
    header = rows[0] if rows else []
    if [c.value for c in header] != lines[0]:
        problems.append("captions %r" % [c.value for c in header])
    if not all(c.font.b for c in header):
        problems.append("captions not bold")
    if len(kinds) != len(lines[0]):
        problems.append("%d kinds for %d columns" % (len(kinds), len(lines[0])))
    for r, (row, line) in enumerate(zip(rows[1:], lines[1:]), start=2):
        for c, kind in enumerate(kinds):
            cell = row[c] if c < len(row) else None
            text = cell_text(cell, kind) if cell is not None else None
            want = line[c] if c < len(line) else ""
            if text is None:
                if want.strip():
                    problems.append("row %d column %d empty, CSV %r" % (r, c + 1, want))
                continue
            if kind == "t" and not isinstance(cell.value, str):
                problems.append("row %d column %d not text: %r" % (r, c + 1, cell.value))
            if text != want:
                problems.append("row %d column %d %r, CSV %r" % (r, c + 1, text, want))
            if cell.number_format != expected_format(kind):
                problems.append("row %d column %d format %r" % (r, c + 1, cell.number_format))
        if len(problems) > 10:
            break
    if problems:
        print("\n".join(problems[:10]))
        return 1
    print("ok %d" % (len(rows) - 1))
    return 0


if __name__ == "__main__":
    sys.exit(main())
