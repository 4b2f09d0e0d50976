#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

#include <limits>
#include <optional>

// Conversions between dates, times, numbers and the texts the program stores and shows. The
// locale defaults to the user's; tests pass one of their own.
namespace TextConv {

// A date as it is stored: ISO yyyy-MM-dd, which every language reads as the same day ("" for
// an invalid date).
QString dateToText(QDate date);
// A date as the user reads it: the short form with a four-digit year (some locales' short forms
// carry only two, which would lose the century). Never stored.
QString shownDateText(QDate date, const QLocale& locale = QLocale());
QString shortDateFormat(const QLocale& locale = QLocale());
// A day and month without a year as the user reads it: the short form with its year and the
// separator beside the year taken out ("4/15", "15.04", "04/15"), as the locale has no form of
// its own for it.
QString dayMonthFormat(const QLocale& locale = QLocale());
QString shownDayMonthText(int month, int day, const QLocale& locale = QLocale());
// ISO yyyy-MM-dd, then the locale's short form with a four-digit year, then that form with a
// two-digit year, read as 1930 to 2029 (older files). The locale is the one that wrote the text,
// where that is known. Anything else is std::nullopt, never a wrong date.
std::optional<QDate> textToDate(const QString& text, const QLocale& locale = QLocale());
// A time as it is stored: 24-hour HH:mm:ss.
QString timeToText(QTime time);
// HH:mm:ss and HH:mm, then the locale's long and short forms (older settings).
std::optional<QTime> textToTime(const QString& text, const QLocale& locale = QLocale());

// A whole number the tolerant way stored numbers are read: surrounding blanks, optional sign,
// a decimal fraction (the locale's or "."), rounded to the nearest whole number with halves to
// even. std::nullopt when the text is no number or the result lies outside [min, max].
std::optional<int> textToWhole(const QString& text, int min = std::numeric_limits<int>::min(),
                               int max = std::numeric_limits<int>::max(),
                               const QLocale& locale = QLocale());
// An on/off value: "true"/"false" in any letter case, or a number (0 is off). std::nullopt
// for anything else.
std::optional<bool> textToBool(const QString& text, const QLocale& locale = QLocale());
// The words True and False, as they are stored.
QString boolToText(bool value);

// A number kept as typed, with its ASCII digits in the locale's own (Arabic-Indic in Arabic)
// for a box to show; and a typed one with any decimal digits as ASCII, as it is stored.
QString shownDigits(const QString& text, const QLocale& locale = QLocale());
QString storedDigits(QString text);

// "2.00" for 2.0.0: major, ".", minor and patch with nothing between them.
QString versionText(int major, int minor, int patch);
// The program's own version text.
QString versionText();

} // namespace TextConv
