#!/usr/bin/env python3
"""Reference lists of public holidays, worked out from the laws themselves.

Japan (--lcid 1041): the public holidays under the Act on National Holidays
(Act No. 178 of 1948) as in force in each year, with the special acts:
national holidays, national holidays between two holidays and substitute
holidays, under their official names.

United States (--lcid 1033): the federal holidays of 5 U.S.C. 6103 as the
calendar shows them: each holiday of 6103(a) on the date its rule gives, and
when that is a Saturday also on the Friday before (6103(b)), when a Sunday
also on the Monday after (Executive Order 11582), as "<name> (observed)";
Inauguration Day (6103(c)) on 20 January of each year after a presidential
election, and when that is a Sunday also on the Monday after it ("Monday
Make-up Holiday"). An observed day may lie in the year before the holiday's.

Output: one line per day, "YYYY-MM-DD<TAB>name", UTF-8, LF line ends.
A day that carries two designations (only US days: Martin Luther King Day
that is also the make-up day of Inauguration Day, or Inauguration Day on
Martin Luther King Day) is listed once, under the label the calendar gives
it; --explain lists every such day on stderr.

Standard library only. Written from the laws, not from any rule file.
"""

import argparse
import datetime
import math
import sys

MONDAY, THURSDAY, SATURDAY, SUNDAY = 0, 3, 5, 6  # datetime.date.weekday()

# --------------------------------------------------------------------------
# Equinoxes

# The Japanese equinox holidays fall on the day (Japan Standard Time) of the
# equinox as the National Astronomical Observatory of Japan computes it. The
# instant is computed here with the periodic terms of J. Meeus, Astronomical
# Algorithms, 2nd ed., chapter 27 (error below one minute for 1951-2050),
# converted from dynamical time with a polynomial fit of Delta T.
EQUINOX_TERMS = [
    (485, 324.96, 1934.136), (203, 337.23, 32964.467), (199, 342.08, 20.186),
    (182, 27.85, 445267.112), (156, 73.14, 45036.886), (136, 171.52, 22518.443),
    (77, 222.54, 65928.934), (74, 296.72, 3034.906), (70, 243.58, 9037.513),
    (58, 119.81, 33718.147), (52, 297.17, 150.678), (50, 21.02, 2281.226),
    (45, 247.54, 29929.562), (44, 325.15, 31555.956), (29, 60.93, 4443.417),
    (18, 155.12, 67555.328), (17, 288.79, 4562.452), (16, 198.04, 62894.029),
    (14, 199.76, 31436.921), (12, 95.39, 14577.848), (12, 287.11, 31931.756),
    (12, 320.81, 34777.259), (9, 227.73, 1222.114), (8, 15.45, 16859.074),
]

# Equinox days announced in the Official Gazette for 1990-2026, used as a
# check of the computation: (vernal day in March, autumnal day in September).
# The closest calls of 1990-2050 are all more than ten minutes from midnight
# JST (September 2012 at 23:49, March 1993 at 23:41, March 2026 at 23:45,
# September 2041 at 00:26), far beyond the error of the method.
PUBLISHED_EQUINOX_DAYS = {
    1990: (21, 23), 1991: (21, 23), 1992: (20, 23), 1993: (20, 23), 1994: (21, 23),
    1995: (21, 23), 1996: (20, 23), 1997: (20, 23), 1998: (21, 23), 1999: (21, 23),
    2000: (20, 23), 2001: (20, 23), 2002: (21, 23), 2003: (21, 23), 2004: (20, 23),
    2005: (20, 23), 2006: (21, 23), 2007: (21, 23), 2008: (20, 23), 2009: (20, 23),
    2010: (21, 23), 2011: (21, 23), 2012: (20, 22), 2013: (20, 23), 2014: (21, 23),
    2015: (21, 23), 2016: (20, 22), 2017: (20, 23), 2018: (21, 23), 2019: (21, 23),
    2020: (20, 22), 2021: (20, 23), 2022: (21, 23), 2023: (21, 23), 2024: (20, 22),
    2025: (20, 23), 2026: (20, 23),
}
SAFE_MINUTES_FROM_MIDNIGHT = 5


def delta_t_seconds(year):
    """TT - UT (Espenak and Meeus polynomials for 1986-2005 and 2005-2050)."""
    t = year - 2000
    if year < 2005:
        return (63.86 + 0.3345 * t - 0.060374 * t ** 2 + 0.0017275 * t ** 3
                + 0.000651814 * t ** 4 + 0.00002373599 * t ** 5)
    return 62.92 + 0.32217 * t + 0.005589 * t ** 2


def equinox_jst(year, autumnal):
    y = (year - 2000) / 1000
    if autumnal:
        jde0 = (2451810.21715 + 365242.01767 * y - 0.11575 * y ** 2
                + 0.00337 * y ** 3 + 0.00078 * y ** 4)
    else:
        jde0 = (2451623.80984 + 365242.37404 * y + 0.05169 * y ** 2
                - 0.00411 * y ** 3 - 0.00057 * y ** 4)
    t = (jde0 - 2451545.0) / 36525
    w = math.radians(35999.373 * t - 2.47)
    delta_lambda = 1 + 0.0334 * math.cos(w) + 0.0007 * math.cos(2 * w)
    s = sum(a * math.cos(math.radians(b + c * t)) for a, b, c in EQUINOX_TERMS)
    jde = jde0 + 0.00001 * s / delta_lambda
    days_from_j2000 = jde - 2451545.0 - delta_t_seconds(year) / 86400 + 9 / 24
    return datetime.datetime(2000, 1, 1, 12) + datetime.timedelta(days=days_from_j2000)


def equinox_day(year, autumnal):
    instant = equinox_jst(year, autumnal)
    minutes = instant.hour * 60 + instant.minute
    if min(minutes, 24 * 60 - minutes) < SAFE_MINUTES_FROM_MIDNIGHT:
        raise SystemExit(f"equinox of {year} too close to midnight JST: check the published day")
    published = PUBLISHED_EQUINOX_DAYS.get(year)
    if published and published[autumnal] != instant.day:
        raise SystemExit(f"equinox of {year}: computed {instant:%m-%d}, published day {published[autumnal]}")
    return instant.date()


# --------------------------------------------------------------------------
# Calendar helpers

def nth_weekday(year, month, n, weekday):
    first = datetime.date(year, month, 1)
    return first + datetime.timedelta(days=(weekday - first.weekday()) % 7 + 7 * (n - 1))


def last_weekday(year, month, weekday):
    next_month = datetime.date(year + month // 12, month % 12 + 1, 1)
    last = next_month - datetime.timedelta(days=1)
    return last - datetime.timedelta(days=(last.weekday() - weekday) % 7)


ONE_DAY = datetime.timedelta(days=1)


def designate(days, date, name):
    days.setdefault(date, []).append(name)


# --------------------------------------------------------------------------
# Japan

JAPAN_YEARS = range(1989, 2051)  # Heisei and later; the equinox method holds to 2050
SUBSTITUTE = "振替休日"
BETWEEN = "国民の休日"


def japanese_national_holidays(year):
    """The national holidays of the year, and the days the special acts treat
    as national holidays (they count for substitutes and days between)."""
    d = datetime.date
    days = {}

    def add(date, name):
        designate(days, date, name)

    add(d(year, 1, 1), "元日")
    add(d(year, 1, 15) if year < 2000 else nth_weekday(year, 1, 2, MONDAY), "成人の日")
    add(d(year, 2, 11), "建国記念の日")
    add(equinox_day(year, autumnal=False), "春分の日")
    add(d(year, 4, 29), "みどりの日" if year < 2007 else "昭和の日")
    add(d(year, 5, 3), "憲法記念日")
    if year >= 2007:
        add(d(year, 5, 4), "みどりの日")
    add(d(year, 5, 5), "こどもの日")
    # Marine Day from 1996; third Monday from 2003; moved for the Tokyo Olympics.
    if year == 2020:
        add(d(2020, 7, 23), "海の日")
    elif year == 2021:
        add(d(2021, 7, 22), "海の日")
    elif year >= 2003:
        add(nth_weekday(year, 7, 3, MONDAY), "海の日")
    elif year >= 1996:
        add(d(year, 7, 20), "海の日")
    # Mountain Day from 2016; moved for the Tokyo Olympics.
    if year >= 2016:
        add({2020: d(2020, 8, 10), 2021: d(2021, 8, 8)}.get(year, d(year, 8, 11)), "山の日")
    add(d(year, 9, 15) if year < 2003 else nth_weekday(year, 9, 3, MONDAY), "敬老の日")
    add(equinox_day(year, autumnal=True), "秋分の日")
    # Health and Sports Day; second Monday from 2000; Sports Day from 2020.
    if year < 2000:
        add(d(year, 10, 10), "体育の日")
    elif year < 2020:
        add(nth_weekday(year, 10, 2, MONDAY), "体育の日")
    else:
        add({2020: d(2020, 7, 24), 2021: d(2021, 7, 23)}.get(year, nth_weekday(year, 10, 2, MONDAY)),
            "スポーツの日")
    add(d(year, 11, 3), "文化の日")
    add(d(year, 11, 23), "勤労感謝の日")
    # The Emperor's Birthday: Akihito until 2018, none in 2019, Naruhito from 2020.
    if year <= 2018:
        add(d(year, 12, 23), "天皇誕生日")
    elif year >= 2020:
        add(d(year, 2, 23), "天皇誕生日")
    # Act No. 99 of 2018: the accession day and the enthronement ceremony are
    # holidays treated as national holidays.
    if year == 2019:
        add(d(2019, 5, 1), "天皇の即位の日")
        add(d(2019, 10, 22), "即位礼正殿の儀")
    return days


def japanese_special_rest_days(year):
    """One-off holidays by special acts that are not national holidays."""
    special = {
        datetime.date(1989, 2, 24): "大喪の礼",
        datetime.date(1990, 11, 12): "即位礼正殿の儀",
        datetime.date(1993, 6, 9): "結婚の儀",
    }
    return {date: [name] for date, name in special.items() if date.year == year}


def japanese_holidays(year):
    if year not in JAPAN_YEARS:
        raise SystemExit(f"Japanese holidays are encoded for {JAPAN_YEARS.start}-{JAPAN_YEARS.stop - 1}")
    national = japanese_national_holidays(year)
    days = {date: list(names) for date, names in national.items()}
    for date, names in japanese_special_rest_days(year).items():
        days.setdefault(date, []).extend(names)

    # Substitute holidays (Article 3(2)): until 2006 the day after a national
    # holiday on a Sunday, unless that day is a national holiday itself; since
    # 2007 the nearest following day that is not a national holiday.
    substitutes = set()
    for date in sorted(national):
        if date.weekday() != SUNDAY:
            continue
        candidate = date + ONE_DAY
        if year >= 2007:
            while candidate in national:
                candidate += ONE_DAY
        if candidate not in national:
            substitutes.add(candidate)
            designate(days, candidate, SUBSTITUTE)

    # Days between two national holidays (Article 3(3), from 1986): until 2006
    # not on a Sunday nor on a substitute holiday; since 2007 any day that is
    # not a national holiday itself.
    for date in sorted(national):
        between = date + ONE_DAY
        if between in national or between + ONE_DAY not in national:
            continue
        if year < 2007 and (between.weekday() == SUNDAY or between in substitutes):
            continue
        designate(days, between, BETWEEN)
    return days


# --------------------------------------------------------------------------
# United States

US_YEARS = range(1971, 2100)  # the Monday holidays of the 1968 Act took effect in 1971
MAKE_UP = "Monday Make-up Holiday"
OBSERVED = " (observed)"


def us_legal_public_holidays(year):
    """The holidays of 5 U.S.C. 6103(a) in the year, on the dates their rules give."""
    d = datetime.date
    holidays = [(d(year, 1, 1), "New Year's Day")]
    if year >= 1986:
        holidays.append((nth_weekday(year, 1, 3, MONDAY), "Birthday of Martin Luther King, Jr."))
    holidays += [
        (nth_weekday(year, 2, 3, MONDAY), "Washington's Birthday"),
        (last_weekday(year, 5, MONDAY), "Memorial Day"),
    ]
    if year >= 2021:
        holidays.append((d(year, 6, 19), "Juneteenth National Independence Day"))
    holidays += [
        (d(year, 7, 4), "Independence Day"),
        (nth_weekday(year, 9, 1, MONDAY), "Labor Day"),
        (nth_weekday(year, 10, 2, MONDAY), "Columbus Day"),
        (nth_weekday(year, 10, 4, MONDAY) if year < 1978 else d(year, 11, 11), "Veterans Day"),
        (nth_weekday(year, 11, 4, THURSDAY), "Thanksgiving Day"),
        (d(year, 12, 25), "Christmas Day"),
    ]
    return holidays


def us_observed_day(date):
    """6103(b)(1): a Saturday holiday is observed on the Friday before;
    Executive Order 11582, section 3(a): a Sunday holiday on the Monday after."""
    if date.weekday() == SATURDAY:
        return date - ONE_DAY
    if date.weekday() == SUNDAY:
        return date + ONE_DAY
    return None


def us_federal_holidays(year):
    if year not in US_YEARS:
        raise SystemExit(f"US holidays are encoded for {US_YEARS.start}-{US_YEARS.stop - 1}")
    days = {}
    # New Year's Day on a Saturday is observed on 31 December of the year before.
    for holiday_year in (year, year + 1):
        for date, name in us_legal_public_holidays(holiday_year):
            observed = us_observed_day(date)
            if date.year == year:
                designate(days, date, name)
            if observed and observed.year == year:
                designate(days, observed, name + OBSERVED)

    # 6103(c): 20 January following a presidential election; on a Sunday the
    # calendar's make-up rule gives the Monday after, as the law does.
    if year % 4 == 1:
        inauguration = datetime.date(year, 1, 20)
        designate(days, inauguration, "Inauguration Day")
        if inauguration.weekday() == SUNDAY:
            designate(days, inauguration + ONE_DAY, MAKE_UP)
    return days


# --------------------------------------------------------------------------
# Listing

def calendar_label(date, names):
    """The one label the calendar shows for a day with these designations.
    It names a make-up day after the make-up rule even when the day is a
    holiday itself, and it adds Inauguration Day after the holidays of the
    rule file, the later of two holidays naming their day. Any other double
    designation would be a fault of the rules above."""
    if len(names) == 1:
        return names[0]
    if len(names) == 2:
        for winner in (MAKE_UP, "Inauguration Day"):
            if winner in names:
                return winner
    raise SystemExit(f"{date}: unexpected designations {names}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lcid", type=int, choices=(1033, 1041), required=True)
    parser.add_argument("--from", dest="first", type=int, required=True)
    parser.add_argument("--to", dest="last", type=int, required=True)
    parser.add_argument("--explain", action="store_true",
                        help="list the days with two designations on stderr")
    args = parser.parse_args()
    holidays_of = japanese_holidays if args.lcid == 1041 else us_federal_holidays

    out = sys.stdout.buffer
    for year in range(args.first, args.last + 1):
        days = holidays_of(year)
        for date in sorted(days):
            if date.year != year:
                raise SystemExit(f"{date}: a holiday of {year} outside the year")
            label = calendar_label(date, days[date])
            if args.explain and len(days[date]) > 1:
                print(f"{date}: {' + '.join(days[date])} -> {label}", file=sys.stderr)
            out.write(f"{date.isoformat()}\t{label}\n".encode("utf-8"))


if __name__ == "__main__":
    main()
