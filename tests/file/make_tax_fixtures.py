#!/usr/bin/env python3
"""Writes a tax-rate file of each format field by field from the block
tables of the format, for the reader tests. The files are committed; the
build does not run this script.

    python3 make_tax_fixtures.py [output folder]
"""
import os
import struct
import sys


def block(size, fmt, *values):
    """A block of size bytes: its size word, then the packed fields, zeros."""
    body = struct.pack("<I" + fmt, size, *values)
    assert len(body) <= size
    return body + bytes(size - len(body))


def header(magic):
    return block(384, "%ds" % (len(magic) + 1), magic.encode("cp932") + b"\0")


def extent(lower, upper, value):
    return block(148, "ddd", lower, upper, value)


def personal(spare, rate, lower, upper, deduction, size=160):
    return block(160, "idddd", spare, rate, lower, upper, deduction)[:size]


def level(lower, lower_ex, upper, upper_in, rate):
    return block(156, "didid", lower, lower_ex, upper, upper_in, rate)


BUSINESS_LEVELS = [(0.0, 0, 20.0, 1, 1.0), (20.0, 1, 30.0, 1, 1.05), (30.0, 1, 40.0, 1, 1.1),
                   (40.0, 1, 50.0, 1, 1.15), (50.0, 1, 60.0, 1, 1.2), (60.0, 1, 70.0, 1, 0.9),
                   (70.0, 1, 100.0, 0, 0.8)]
HOUSE_LEVELS = [(0.0, 0, 25.0, 1, 1.025), (25.0, 1, 50.0, 1, 1.05), (50.0, 1, 75.0, 1, 1.075),
                (75.0, 1, 90.0, 1, 1.1), (90.0, 1, 100.0, 1, 1.0), (100.0, 1, 0.0, 0, 0.95)]
BUSINESS_INCOME = [(0.0, 4000.0, 3.5), (4000.0, 8000.0, 5.3), (8000.0, 0.0, 7.0)]
BUSINESS_CAPITAL = [(0.0, 1000000.0, 100.0), (1000000.0, 5000000.0, 50.0), (5000000.0, 0.0, 25.0)]
LAND_CAPITAL = [(0.0, 10000.0, 30000.0), (10000.0, 100000.0, 20000.0), (100000.0, 0.0, 10000.0)]
CORPORATION = [(15.0, 0.0, 100000.0, 1.5, 0.0, 8000.0), (23.2, 0.0, 100000.0, 2.5, 8000.0, 0.0),
               (23.2, 100000.0, 0.0, 3.5, 0.0, 0.0)]
INCOME = [(i, 5.0 + i, 1950.0 * i, 1950.0 * (i + 1), 97.5 * i) for i in range(20)]
PREFECTURAL = [(0, 4.0 + i * 0.1, 1000.0 * i, 1000.0 * (i + 1), 10.0 * i) for i in range(20)]
VILLAGE = [(0, 6.0 + i * 0.1, 1000.0 * i, 1000.0 * (i + 1), 20.0 * i) for i in range(20)]


def tax_file(magic, old):
    out = [header(magic),
           block(180, "ddddddii", 1.4, 1.0, 6.0, 1.4, 1.0, 2.0, 5, 3),
           block(156, "dddd", 0.3, 1.0, 3.0, 0.3),
           block(180, "iiidididid", len(BUSINESS_LEVELS), len(HOUSE_LEVELS), 1, 95.0, 1, 80.0, 0, 70.0, 1, 5.0)]
    out += [level(*r) for r in BUSINESS_LEVELS]
    out += [level(*r) for r in HOUSE_LEVELS]
    if old:
        # The older format has no size-based fields; the reader ignores these bytes.
        out.append(block(144, "ddiddddii", 5.0, 2900.0, 3, 1.0, 2.0, 3.0, 4.0, 9, 9))
    else:
        out.append(block(144, "ddiddddii", 5.0, 2900.0, 3, 50.0, 1.2, 75.0, 0.5, 3, 4))
    out += [extent(*r) for r in BUSINESS_INCOME]
    out += [block(148, "ddd", 600.0, 1000.0, 3.305785),
            block(156, "iddid", 20, 2.5, 2.0, 5, 1.0),
            block(156, "dddd", 10.0, 10000.0, 40.0, 50000.0),
            block(144, "ddi", 0.3, 15000.0, len(LAND_CAPITAL))]
    out += [extent(*r) for r in LAND_CAPITAL]
    out += [block(156, "dddd", 1.5, 100.0, 2.0, 0.4),
            block(172, "dddddd", 3.0, 3.0, 50.0, 3.0, 3.0, 1200.0),
            block(128, "i", len(CORPORATION))]
    out += [block(172, "dddddd", *r) for r in CORPORATION]
    out.append(block(136, "id", len(PREFECTURAL), 1.0))
    out += [personal(*r) for r in PREFECTURAL]
    out.append(block(136, "i120xd", len(VILLAGE), 6.0))
    out += [personal(*r, size=136) for r in VILLAGE]
    reductions = [20.0, 2500.0, 15.0, 40.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0]
    years = [2006, 2006, 0, 0, 0, 0, 0, 0, 0, 0]
    out.append(block(128, "i10d10i", len(INCOME), *reductions, *years))
    out += [personal(*r) for r in INCOME]
    out.append(block(132, "ii", 3, 10))
    if not old:
        out += [extent(*r) for r in BUSINESS_CAPITAL]
    return b"".join(out)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "fixtures")
    for name, magic, old in (("v03.tax", "TAVRIN03TAX", False), ("v97.tax", "TAVRIN97TAX", True)):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(tax_file(magic, old))


if __name__ == "__main__":
    main()
