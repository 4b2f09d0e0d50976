#!/usr/bin/env python3
"""Writes the fuzzers' seed corpus: small data files of every shape the store meets, and texts
for the conversions. Run from anywhere; rewrites the files beside this script."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = [255, 25, 1, 2, 1, 25, 1]  # Name, Date, Recurs, Notify, Alert, LastDate, ShowYears


def key(k):
    out = b""
    while k >= 256:
        out += b"\xff"
        k -= 255
    out += bytes([k])
    return out.ljust(5, b"\0")


def cell(slot, key_value, value=b"", flag=0):
    size = SIZES[slot] if slot < len(SIZES) else 0
    return bytes([slot, flag]) + key(key_value) + value[:size].ljust(size, b"\0")


def record(k, name, date=b"12/05/1970", last=None, flag=0):
    cells = [cell(0, k, name, flag), cell(1, k, date, flag), cell(2, k, b"1", flag),
             cell(3, k, b"10", flag), cell(4, k, b"0", flag)]
    if last is not None:
        cells.append(cell(5, k, last, flag))
    cells.append(cell(6, k, b"1", flag))
    return b"".join(cells)


def write(folder, name, data):
    with open(os.path.join(HERE, folder, name), "wb") as f:
        f.write(data)


store = {
    "empty": b"",
    "one-record": record(0, b"Ann"),
    "with-lastdate": record(0, b"Ann", last=b"12/05/2002"),
    "three-one-deleted": record(0, b"Ann") + record(1, b"Bob", flag=1) + record(2, b"Cy"),
    "churned": record(0, b"Old", flag=1) * 4 + record(0, b"Ann"),
    "high-keys": record(255, b"k255") + record(256, b"k256") + record(1275, b"k1275"),
    "cut-short-tail": record(0, b"Ann") + cell(0, 1, b"Bob")[:40],
    "unused-slots": cell(7, 0) + cell(200, 3) + record(0, b"Ann"),
    "odd-flag": cell(0, 0, b"Ann", flag=2) + cell(1, 0, b"01/01/2000", flag=0x7F),
    "two-live-names": cell(0, 4, b"First") + cell(0, 4, b"Second") + cell(3, 4, b"1"),
    "orphan-cells": cell(1, 0, b"01/01/2000") + cell(3, 0, b"5") + record(1, b"Bob"),
    "full-name": record(0, b"N" * 255),
    "latin1-name": record(0, "Zoë Müller".encode("cp1252")),
    "utf8-name": record(0, "Zoë Müller €".encode("utf-8")),
    "nul-inside": record(0, b"An\0n"),
}
for name, data in store.items():
    write("store", name, data)

# Text seeds: a locale selector byte, two bytes for the number bounds, then the text.
text = {
    "date-iso": b"\x00\x00\x10" + b"2002-05-12",
    "date-us": b"\x01\x00\x10" + b"5/12/2002",
    "date-de": b"\x02\x00\x10" + b"12.05.2002",
    "date-leap": b"\x03\x00\x10" + b"29/02/2004",
    "time-long": b"\x01\x00\x10" + b"9:00:00 PM",
    "time-short": b"\x00\x00\x10" + b"09:00",
    "whole-fraction": b"\x02\xfe\x20" + b" -2,5 ",
    "whole-huge": b"\x00\x80\xff" + b"99999999999999999999",
    "whole-exp": b"\x00\x00\xff" + b"1e3",
    "bool-word": b"\x00\x00\x00" + b"TrUe",
    "bool-number": b"\x00\x00\x00" + b"-0.0",
    "arabic-digits": b"\x05\x00\x10" + "١٢/٥/٢٠٠٢".encode("utf-8"),
    "invalid-utf8": b"\x00\x00\x10" + b"\xff\xfe12\xc0/05",
    "url": b"\x00\x00\x00" + b"www.marrowfell.example/a b?c=d#e",
}
for name, data in text.items():
    write("text", name, data)
