#include "ui/presentation/listdate.h"

#include "core/text/textconv.h"

#include <QCoreApplication>

#include <algorithm>

namespace ListDate {

QString dateSeparator(const QLocale& locale)
{
    // The first run of characters between two fields of the short form, without blanks; quoted
    // literals do not occur in short date forms. A form that only has blanks there (a month
    // name, "d MMM yyyy") has no separator of its own.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    bool inField = false;
    QString separator;
    for (const QChar c : format) {
        if (c.isLetter()) {
            if (!separator.trimmed().isEmpty())
                return separator.trimmed();
            separator.clear();
            inField = true;
        } else if (inField) {
            separator += c;
        }
    }
    return QStringLiteral("/");
}

QString columnText(const QString& storedDate, const QLocale& locale)
{
    return ColumnFormat(locale).columnText(TextConv::textToDate(storedDate, locale));
}

QString unreadableText(const QString& storedDate)
{
    return QStringLiteral("\u26A0 ") + storedDate;
}

QString unreadableSummary(qsizetype count)
{
    if (count <= 0)
        return QString();
    if (count == 1)
        return QCoreApplication::translate(
            "ListDate", "1 event has a date that cannot be read (marked \u26A0)");
    //: %Ln is the number of events whose stored date does not read (2 or more).
    return QCoreApplication::translate("ListDate",
                                       "%Ln events have dates that cannot be read (marked \u26A0)",
                                       nullptr, int(count));
}

ColumnFormat::ColumnFormat(const QLocale& locale)
    : m_separator(dateSeparator(locale)), m_zero(locale.zeroDigit())
{
    // A zero outside the basic plane has no one-character digits: those are written by the
    // locale, digit by digit as well.
    if (m_zero.size() != 1)
        m_zero.clear();
}

QString ColumnFormat::columnText(std::optional<QDate> date) const
{
    if (!date)
        return QString();
    // Written digit by digit: QString::arg took more time than reading the date.
    // In the locale's digits, as every other number of the window: their ten characters follow
    // each other, so the texts still sort by date.
    const char16_t zero = m_zero.isEmpty() ? u'0' : m_zero.front().unicode();
    const auto digits = [zero](QChar* out, int value, int count) {
        for (int i = count - 1; i >= 0; --i, value /= 10)
            out[i] = QChar(char16_t(zero + value % 10));
    };
    int year = 0, month = 0, day = 0;
    date->getDate(&year, &month, &day); // textToDate gives years 1 to 9999 only
    const qsizetype separator = m_separator.size();
    QString text(8 + 2 * separator, Qt::Uninitialized);
    QChar* out = text.data();
    digits(out, year, 4);
    std::copy(m_separator.cbegin(), m_separator.cend(), out + 4);
    digits(out + 4 + separator, month, 2);
    std::copy(m_separator.cbegin(), m_separator.cend(), out + 6 + separator);
    digits(out + 6 + 2 * separator, day, 2);
    return text;
}

} // namespace ListDate
