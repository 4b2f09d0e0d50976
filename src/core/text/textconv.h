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

// The user's short date form, always with a four-digit year (some locales' short forms carry
// only two, which would lose the century); ISO yyyy-MM-dd where that form would not read back
// or would not fit the data file's date fields.
QString dateToText(QDate date, const QLocale& locale = QLocale());
QString shortDateFormat(const QLocale& locale = QLocale());
// The user's short form with a four-digit year, then ISO yyyy-MM-dd, then the user's form with
// a two-digit year, read as 1930 to 2029 (older files). Anything else is std::nullopt, never a
// wrong date.
std::optional<QDate> textToDate(const QString& text, const QLocale& locale = QLocale());
// The user's long time form, with seconds; HH:mm:ss where that form would not read back.
QString timeToText(QTime time, const QLocale& locale = QLocale());
// The long form, the short form, then HH:mm:ss and HH:mm, so HH:mm always reads.
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

// "2.00" for 2.0.0: major, ".", minor and patch with nothing between them.
QString versionText(int major, int minor, int patch);
// The program's own version text.
QString versionText();

} // namespace TextConv
