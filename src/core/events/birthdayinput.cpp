#include "core/events/birthdayinput.h"

#include <QLocale>
#include <QRegularExpression>

namespace BirthdayInput {

qsizetype nameBytes(const QString& name)
{
    return name.toUtf8().size();
}

bool nameFits(const QString& name)
{
    return nameBytes(name) <= nameMaxBytes;
}

bool notifyTextValid(const QString& text)
{
    // The user's own decimal separator counts as well as the point.
    const QString separator = QRegularExpression::escape(QLocale().decimalPoint());
    // "[." would open a POSIX collating element, so the separators are alternatives.
    const QRegularExpression number(
        QStringLiteral("^\\s*([+-]?)\\s*([0-9]+(?:(?:\\.|%1)[0-9]*)?|(?:\\.|%1)[0-9]+)\\s*$")
            .arg(separator));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return false;
    if (match.captured(1) != QLatin1String("-"))
        return true;
    // A negative sign is fine only in front of a zero value ("-0").
    const QString digits = match.captured(2);
    for (const QChar c : digits) {
        if (c.isDigit() && c != QLatin1Char('0'))
            return false;
    }
    return true;
}

} // namespace BirthdayInput
