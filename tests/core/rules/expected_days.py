#!/usr/bin/env python3
"""Writes to the file the second argument names, for each yearly rule and each of the 30 years
from the first argument, the rule's next day on or after a few days of that year, worked out by
dateutil's rrule and easter: a second calculation for test_rules, made when it is built (so a
cross-built test needs no Python where it runs). One line each: rule|leap-day rule|from|expected
(ISO dates)."""
import datetime
import sys

from dateutil.easter import EASTER_ORTHODOX, EASTER_WESTERN, easter
from dateutil.rrule import MO, SA, SU, TH, YEARLY, rrule

first = int(sys.argv[1])
out = open(sys.argv[2], "w", encoding="ascii")
start = datetime.datetime(first - 1, 1, 1)


def yearly(**parts):
    return rrule(YEARLY, dtstart=start, **parts)


def from_easter(offset, kind):
    days = [datetime.datetime.combine(easter(y, kind), datetime.time()) + datetime.timedelta(offset)
            for y in range(first - 1, first + 32)]
    return lambda day: next(d for d in days if d >= day)


def after(rule):
    return lambda day: rule.after(day, inc=True)


# Advent: four Sundays before the Sunday before Christmas (the one on 18-24 December).
advent = [d - datetime.timedelta(21) for d in yearly(bymonth=12, bymonthday=range(18, 25), byweekday=SU)]
rules = [
    ("date 05-12", "March1", after(yearly(bymonth=5, bymonthday=12))),
    ("date 01-01", "March1", after(yearly(bymonth=1, bymonthday=1))),
    ("date 12-31", "March1", after(yearly(bymonth=12, bymonthday=31))),
    # the 60th day of the year is 29 February in a leap year, 1 March in a common one
    ("date 02-29", "March1", after(yearly(byyearday=60))),
    ("date 02-29", "February28", after(yearly(bymonth=2, bymonthday=-1))),
    ("weekday 2 SU 05", "March1", after(yearly(bymonth=5, byweekday=SU(2)))),
    ("weekday 3 MO 01", "March1", after(yearly(bymonth=1, byweekday=MO(3)))),
    ("weekday -1 MO 05", "March1", after(yearly(bymonth=5, byweekday=MO(-1)))),
    ("weekday 4 TH 11", "March1", after(yearly(bymonth=11, byweekday=TH(4)))),
    ("weekday 5 SU 02", "March1", after(yearly(bymonth=2, byweekday=SU(5)))),
    ("after SA 09-16", "March1", after(yearly(bymonth=9, bymonthday=range(16, 23), byweekday=SA))),
    ("after SU 11-27", "March1", lambda day: next(d for d in advent if d >= day)),
    ("after SU 12-29", "March1", after(yearly(byyearday=range(-3, 5), byweekday=SU))),
    ("easter +0", "March1", from_easter(0, EASTER_WESTERN)),
    ("easter -21", "March1", from_easter(-21, EASTER_WESTERN)),
    ("easter +49", "March1", from_easter(49, EASTER_WESTERN)),
    ("easter -100", "March1", from_easter(-100, EASTER_WESTERN)),
    ("orthodox +0", "March1", from_easter(0, EASTER_ORTHODOX)),
    ("orthodox +49", "March1", from_easter(49, EASTER_ORTHODOX)),
]
for text, leap, nxt in rules:
    for year in range(first, first + 30):
        froms = [datetime.datetime(year, 1, 1), datetime.datetime(year, 12, 31)]
        froms.append(nxt(froms[0]) + datetime.timedelta(1))  # the day after: the next year's
        for day in froms:
            print(f"{text}|{leap}|{day:%Y-%m-%d}|{nxt(day):%Y-%m-%d}", file=out)
