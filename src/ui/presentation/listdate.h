#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// The "Date" column of the event list: four-digit year, two-digit month, two-digit day, year
// first, joined by the user's date separator, so sorting the texts sorts by full date.
namespace ListDate {

// The separator of the locale's short date form ("/" when it has none).
QString dateSeparator(const QLocale& locale = QLocale());
// The stored date text as the list shows it; "" when the text is no date.
QString columnText(const QString& storedDate, const QLocale& locale = QLocale());

// A stored date that does not read, as the column shows it: its own text after a mark, so the
// event stays in sight and can be mended.
QString unreadableText(const QString& storedDate);
// The main window's one note on the events whose stored date does not read; "" for none.
QString unreadableSummary(qsizetype count);

// The same for a whole list: the locale's separator is looked up once, not once a date, and the
// dates come read already, by TextConv::textToDate ("" for none).
class ColumnFormat
{
public:
    explicit ColumnFormat(const QLocale& locale = QLocale());
    QString columnText(std::optional<QDate> date) const;

private:
    QString m_separator;
    QString m_zero; // the locale's zero digit
};

} // namespace ListDate
