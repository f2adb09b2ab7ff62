#!/usr/bin/env python3
"""Checks one country's holiday listing against date-holidays, corrected by the law.

    compare_country.py SECTION LISTING EXPECTED

LISTING is what wispane-holidays printed for 2000-2040 ("YYYY-MM-DD<TAB>label",
UTF-8); EXPECTED is expected/SECTION.txt, made by make_expected.js. The dates
of the listing must be the expected dates with the corrections below applied,
and every listed day must have a label. Exit status 1 on any difference.

Standard library only.
"""

import os
import re
import sys

FIRST_YEAR, LAST_YEAR = 2000, 2040

# Where date-holidays is wrong against the law, the law wins: law-corrections.tsv
# beside this script lists each such day with the law that decides it.
CORRECTIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "law-corrections.tsv")

LINE = re.compile(r"(\d{4})-(\d{2})-(\d{2})\t(.*)")


class Mismatch(Exception):
    pass


def read_lines(path, what):
    try:
        with open(path, encoding="utf-8", newline="\n") as listing:
            return [line.rstrip("\n") for line in listing]
    except (OSError, UnicodeDecodeError) as error:
        raise Mismatch(f"{what} {path}: {error}")


def read_days(path, what, comments=False):
    """The days of a listing, date -> label, each date once and in 2000-2040."""
    days = {}
    for number, line in enumerate(read_lines(path, what), 1):
        if comments and line.startswith("#"):
            continue
        match = LINE.fullmatch(line)
        if not match:
            raise Mismatch(f"{path}:{number}: not YYYY-MM-DD<TAB>label: {line!r}")
        date, label = line[:10], match.group(4)
        if not FIRST_YEAR <= int(match.group(1)) <= LAST_YEAR:
            raise Mismatch(f"{path}:{number}: {date} lies outside {FIRST_YEAR}-{LAST_YEAR}")
        if date in days:
            raise Mismatch(f"{path}:{number}: {date} listed twice")
        if not label.strip():
            raise Mismatch(f"{path}:{number}: {date} has no label")
        days[date] = label
    return days


def corrections_of(section):
    """(sign, date) of the section's lines in law-corrections.tsv."""
    found = []
    for number, line in enumerate(read_lines(CORRECTIONS, "corrections"), 1):
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 3 or not re.fullmatch(r"[+-]\d{4}-\d{2}-\d{2}", fields[1]) or not fields[2].strip():
            raise Mismatch(f"{CORRECTIONS}:{number}: not SECTION<TAB>+/-YYYY-MM-DD<TAB>law: {line!r}")
        if fields[0] == section:
            found.append((fields[1][0], fields[1][1:]))
    return found


def corrected(section, expected):
    """The expected days with the law's corrections; a correction that no
    longer changes anything is a fault of the table."""
    days = dict(expected)
    for sign, date in corrections_of(section):
        if sign == "+" and date not in days:
            days[date] = "(added by the law's corrections)"
        elif sign == "-" and date in days:
            del days[date]
        else:
            raise Mismatch(f"correction ({sign!r}, {date!r}) of {section} does not apply to the expected file")
    return days


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: compare_country.py SECTION LISTING EXPECTED")
    section, listing_path, expected_path = sys.argv[1:]
    try:
        expected = corrected(section, read_days(expected_path, "expected file", comments=True))
        listed = read_days(listing_path, "listing")
    except Mismatch as fault:
        print(f"{section}: {fault}")
        return 1
    missing = sorted(expected.keys() - listed.keys())
    extra = sorted(listed.keys() - expected.keys())
    if missing or extra:
        print(f"{section}: {len(listed)} days listed, {len(expected)} expected")
        for date in missing:
            print(f"missing {date}\t{expected[date]}")
        for date in extra:
            print(f"extra   {date}\t{listed[date]}")
        return 1
    print(f"{section}: {len(listed)} days as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main())
