#!/usr/bin/python3
"""Prints what a reader finds in a workbook: the sheets' names and the
first sheet's row count, then one line a filled cell:
"A1<TAB>str|float|int<TAB>value<TAB>number format<TAB>bold|-".

Usage: dump_workbook.py WORKBOOK
"""
import sys

import openpyxl


def main():
    book = openpyxl.load_workbook(sys.argv[1])
    ws = book[book.sheetnames[0]]
    print("sheets", " ".join(book.sheetnames))
    print("rows", ws.max_row)
    for row in ws.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            print("\t".join([cell.coordinate, type(cell.value).__name__, repr(cell.value),
                             cell.number_format, "bold" if cell.font.b else "-"]))


main()
