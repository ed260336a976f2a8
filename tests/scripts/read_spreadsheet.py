#!/usr/bin/env python3
"""Reads a student's spreadsheet with Python's standard CSV reader, as spreadsheet programs and
scripts that teachers use read it, and prints its rows as JSON: a list of lists of fields."""

import csv
import json
import sys


def main() -> int:
    with open(sys.argv[1], newline="", encoding="utf-8") as f:
        rows = list(csv.reader(f))
    json.dump(rows, sys.stdout)
    return 0


if __name__ == "__main__":
    sys.exit(main())
