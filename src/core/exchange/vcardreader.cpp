#include "core/exchange/vcardreader.h"

#include "core/text/windows1252.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <optional>

namespace {

struct Property
{
    QByteArray group;                                // upper case, without the dot
    QByteArray name;                                 // upper case
    QList<std::pair<QByteArray, QByteArray>> params; // name upper case; "" for 2.1's bare values
    QByteArray value;

    QByteArray param(const char* wanted) const
    {
        for (const auto& [name, value] : params)
            if (name == wanted)
                return value;
        return {};
    }
    bool quotedPrintable() const
    {
        for (const auto& [name, value] : params)
            if ((name.isEmpty() || name == "ENCODING") &&
                value.compare("QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }
};

struct Card
{
    // Its lines between BEGIN and END, each with its number counted from 1. Of a run of blank
    // lines one is kept: it ends a quoted-printable value as well as many would.
    QList<std::pair<QByteArray, int>> lines;
    int firstLine = 0; // of BEGIN:VCARD, counted from 1
};

// The data's lines one after the other, without the line ends and a BOM, read in place.
class Lines
{
public:
    explicit Lines(const QByteArray& data)
        : m_data(data), m_pos(data.startsWith("\xEF\xBB\xBF") ? 3 : 0)
    {}
    bool next(QByteArrayView& line)
    {
        if (m_pos > m_data.size())
            return false;
        qsizetype end = m_data.indexOf('\n', m_pos);
        if (end < 0)
            end = m_data.size();
        line = QByteArrayView(m_data).sliced(m_pos, end - m_pos);
        if (line.endsWith('\r'))
            line.chop(1);
        m_pos = end + 1;
        ++m_number;
        return true;
    }
    int number() const { return m_number; }

private:
    const QByteArray& m_data;
    qsizetype m_pos;
    int m_number = 0;
};

bool isLine(QByteArrayView line, const char* text)
{
    return line.trimmed().compare(text, Qt::CaseInsensitive) == 0;
}

// The property head ends at the first colon outside double quotes (a quoted parameter value
// may hold one).
qsizetype headEnd(const QByteArray& line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return -1;
}

QList<QByteArray> splitOutsideQuotes(const QByteArray& text, char separator)
{
    QList<QByteArray> parts(1);
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (c == separator && !quoted)
            parts.append(QByteArray());
        else
            parts.last().append(c);
    }
    return parts;
}

std::optional<Property> parseLine(const QByteArray& line)
{
    const qsizetype colon = headEnd(line);
    if (colon < 0)
        return std::nullopt;
    Property property;
    property.value = line.mid(colon + 1);
    const QList<QByteArray> head = splitOutsideQuotes(line.left(colon), ';');
    QByteArray name = head.first().trimmed().toUpper();
    if (const qsizetype dot = name.indexOf('.'); dot >= 0) {
        property.group = name.left(dot);
        name = name.mid(dot + 1);
    }
    property.name = name;
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QByteArray& part = head[i];
        const qsizetype eq = part.indexOf('=');
        QByteArray value = (eq < 0 ? part : part.mid(eq + 1)).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        property.params.append({eq < 0 ? QByteArray() : part.left(eq).trimmed().toUpper(), value});
    }
    return property;
}

std::optional<QByteArray> quotedPrintableDecode(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out.append(text[i]);
            continue;
        }
        bool ok = false;
        const int byte = text.mid(i + 1, 2).toInt(&ok, 16);
        if (!ok || i + 2 >= text.size())
            return std::nullopt;
        out.append(char(byte));
        i += 2;
    }
    return out;
}

// The value as text: quoted-printable undone, then decoded by its CHARSET, else as UTF-8 where
// it is valid and as Windows-1252 (what older Windows programs write) where not. Windows-1252 by
// our own table: Qt has the other charsets from ICU, which the Windows build's Qt is without.
std::optional<QString> valueText(const Property& property)
{
    QByteArray bytes = property.value;
    if (property.quotedPrintable()) {
        const std::optional<QByteArray> decoded = quotedPrintableDecode(bytes);
        if (!decoded)
            return std::nullopt;
        bytes = *decoded;
    }
    const QByteArray charset = property.param("CHARSET");
    if (!charset.isEmpty()) {
        QStringDecoder named(charset.constData());
        if (named.isValid())
            return named.decode(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(bytes);
}

// Splits a structured value at unescaped semicolons and undoes the escapes; unescaped commas
// (lists inside one component) become blanks.
QStringList components(const QString& text)
{
    QStringList parts(1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            parts.last().append(next == u'n' || next == u'N' ? QChar(u' ') : next);
        } else if (c == u';') {
            parts.append(QString());
        } else {
            parts.last().append(c == u',' ? QChar(u' ') : c);
        }
    }
    return parts;
}

QString unescaped(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            out.append(next == u'n' || next == u'N' ? QChar(u' ') : next);
        } else {
            out.append(text[i]);
        }
    }
    return out.simplified();
}

struct DateValue
{
    enum Kind { Date, NotADate, Unreadable } kind = Unreadable;
    QDate date;
    bool hasYear = true;
};

DateValue dateValue(const QString& text, const Property& property)
{
    DateValue result;
    if (property.param("VALUE").compare("text", Qt::CaseInsensitive) == 0) {
        result.kind = DateValue::NotADate;
        return result;
    }
    static const QRegularExpression withYear(
        QStringLiteral("^(\\d{4})-?(\\d\\d)-?(\\d\\d)(?:T[0-9:.]*(?:Z|[+-][0-9:]+)?)?$"));
    static const QRegularExpression noYear(
        QStringLiteral("^--(\\d\\d)-?(\\d\\d)(?:T[0-9:.]*(?:Z|[+-][0-9:]+)?)?$"));
    const QString trimmed = text.trimmed();
    int year = 0, month = 0, day = 0;
    if (const QRegularExpressionMatch m = withYear.match(trimmed); m.hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
        // Address books that cannot store a date without a year put in a placeholder.
        const QByteArray omitted = property.param("X-APPLE-OMIT-YEAR");
        result.hasYear = year != 1604 && (omitted.isEmpty() || omitted.toInt() != year);
    } else if (const QRegularExpressionMatch m = noYear.match(trimmed); m.hasMatch()) {
        month = m.captured(1).toInt();
        day = m.captured(2).toInt();
        result.hasYear = false;
    } else {
        return result;
    }
    // A leap year stands in for a missing one, so 29 February reads.
    result.date = QDate(result.hasYear ? year : 2000, month, day);
    if (result.date.isValid())
        result.kind = DateValue::Date;
    return result;
}

ImportEntry brokenEntry(const QString& name, const QString& reason)
{
    ImportEntry entry;
    entry.name = name;
    entry.problem = ImportEntry::Problem::Broken;
    entry.reason = reason;
    return entry;
}

// The entry of one dated property: the date, or why there is none (`notADate`, the English
// source of that message, with the text as %1).
ImportEntry datedEntry(const QString& name, const char* notADate, const QString& text,
                       const Property& property)
{
    const DateValue value = dateValue(text, property);
    ImportEntry entry;
    entry.name = name;
    if (value.kind == DateValue::Date) {
        entry.date = value.date;
        entry.hasYear = value.hasYear;
        return entry;
    }
    entry.problem = value.kind == DateValue::NotADate ? ImportEntry::Problem::NoDate
                                                      : ImportEntry::Problem::Broken;
    entry.reason =
        QCoreApplication::translate("VCardReader", notADate).arg(text.trimmed().left(40));
    return entry;
}

QList<ImportEntry> cardEntries(const Card& card)
{
    const QString fallbackName =
        QCoreApplication::translate("VCardReader", "Contact on line %1").arg(card.firstLine);
    bool v21 = false;
    for (const auto& [line, number] : card.lines)
        if (line.trimmed().toUpper().startsWith("VERSION:"))
            v21 = line.trimmed().mid(8).trimmed() == "2.1";

    // Logical lines: folds undone (2.1 keeps the blank that starts the next line, later
    // versions drop it) and quoted-printable soft breaks joined.
    QList<QByteArray> logical;
    QList<int> lineNumbers;
    for (qsizetype i = 0; i < card.lines.size(); ++i) {
        const auto& [line, number] = card.lines[i];
        if (line.trimmed().isEmpty())
            continue;
        if ((line[0] == ' ' || line[0] == '\t') && !logical.isEmpty()) {
            logical.last() += v21 ? line : line.mid(1);
            continue;
        }
        logical.append(line);
        lineNumbers.append(number);
        const std::optional<Property> head = parseLine(line);
        while (head && head->quotedPrintable() && logical.last().endsWith('=') &&
               i + 1 < card.lines.size()) {
            logical.last().chop(1);
            logical.last() += card.lines[++i].first;
        }
    }

    QList<Property> properties;
    int badLine = 0;
    for (qsizetype i = 0; i < logical.size(); ++i) {
        if (std::optional<Property> property = parseLine(logical[i]))
            properties.append(*property);
        else if (badLine == 0)
            badLine = lineNumbers[i];
    }

    QString name;
    for (const char* source : {"FN", "N", "ORG"}) {
        for (const Property& p : properties) {
            if (!name.isEmpty() || p.name != source)
                continue;
            const std::optional<QString> value = valueText(p);
            if (!value)
                return {brokenEntry(
                    fallbackName, QCoreApplication::translate(
                                      "VCardReader", "its name is damaged quoted-printable text"))};
            if (p.name == "N") {
                const QStringList parts = components(*value);
                // Family; given; additional; prefix; suffix, shown as a name is spoken.
                QStringList spoken;
                for (int index : {3, 1, 2, 0, 4})
                    if (index < parts.size())
                        spoken << parts[index];
                name = spoken.join(u' ').simplified();
            } else {
                name = p.name == "ORG" ? components(*value).join(u' ').simplified()
                                       : unescaped(*value);
            }
        }
    }
    if (badLine > 0)
        return {
            brokenEntry(name.isEmpty() ? fallbackName : name,
                        QCoreApplication::translate("VCardReader", "line %1 is not a vCard line")
                            .arg(badLine))};
    if (name.isEmpty())
        return {brokenEntry(fallbackName,
                            QCoreApplication::translate("VCardReader", "the contact has no name"))};

    // The first of each kind counts: a program may write one date in several forms.
    // Apple and Google label a dated group: item1.X-ABDATE with item1.X-ABLabel.
    QSet<QByteArray> anniversaryGroups;
    for (const Property& p : properties)
        if (p.name == "X-ABLABEL" && !p.group.isEmpty() &&
            valueText(p).value_or(QString()).contains(QLatin1String("anniversary"),
                                                      Qt::CaseInsensitive))
            anniversaryGroups.insert(p.group);

    std::optional<ImportEntry> birthday, anniversary;
    const auto birthdayFrom = [&](const Property& p, const QString& dateText) {
        if (!birthday)
            birthday = datedEntry(
                name, QT_TRANSLATE_NOOP("VCardReader", "its birthday \"%1\" is not a date"),
                dateText, p);
    };
    const auto anniversaryFrom = [&](const Property& p, const QString& dateText) {
        if (!anniversary)
            anniversary =
                datedEntry(anniversaryName(name),
                           QT_TRANSLATE_NOOP("VCardReader", "its anniversary \"%1\" is not a date"),
                           dateText, p);
    };
    for (const Property& p : properties) {
        const std::optional<QString> value = valueText(p);
        if (!value)
            continue;
        const QByteArray& n = p.name;
        if (n == "BDAY") {
            birthdayFrom(p, *value);
        } else if (n == "ANNIVERSARY" || n == "X-ANNIVERSARY" || n == "X-MS-ANNIVERSARY" ||
                   n == "X-EVOLUTION-ANNIVERSARY" || n == "X-KADDRESSBOOK-X-ANNIVERSARY" ||
                   (n == "X-ABDATE" && anniversaryGroups.contains(p.group))) {
            anniversaryFrom(p, *value);
        } else if (n == "X-ANDROID-CUSTOM") {
            // vnd.android.cursor.item/contact_event;<date>;<type: 1 anniversary, 3 birthday>;...
            const QStringList fields = value->split(u';');
            if (fields.size() >= 3 &&
                fields[0] == QLatin1String("vnd.android.cursor.item/contact_event")) {
                if (fields[2] == QLatin1String("1"))
                    anniversaryFrom(p, fields[1]);
                else if (fields[2] == QLatin1String("3"))
                    birthdayFrom(p, fields[1]);
            }
        }
    }
    QList<ImportEntry> entries;
    if (birthday)
        entries.append(*birthday);
    if (anniversary) {
        anniversary->anniversary = true;
        anniversary->contact = name;
        entries.append(*anniversary);
    }
    if (entries.isEmpty()) {
        ImportEntry none;
        none.name = name;
        none.problem = ImportEntry::Problem::NoDate;
        none.reason = QCoreApplication::translate("VCardReader", "no birthday or anniversary");
        entries.append(none);
    }
    for (const Property& p : properties)
        if (p.name == "UID")
            for (ImportEntry& entry : entries)
                entry.uid = unescaped(valueText(p).value_or(QString()));
    return entries;
}

} // namespace

namespace VCardReader {

bool looksLike(const QByteArray& data)
{
    Lines lines(data);
    for (QByteArrayView line; lines.next(line);) {
        if (!line.trimmed().isEmpty())
            return isLine(line, "BEGIN:VCARD");
    }
    return false;
}

ImportFile read(const QByteArray& data)
{
    ImportFile file;
    if (!looksLike(data)) {
        file.error = QCoreApplication::translate(
            "VCardReader", "It is not a vCard file: it does not start with BEGIN:VCARD.");
        return file;
    }
    Lines lines(data);
    std::optional<Card> card;
    for (QByteArrayView line; lines.next(line);) {
        if (!card) {
            if (isLine(line, "BEGIN:VCARD"))
                card = Card{{}, lines.number()};
            continue; // blank lines and strays between contacts carry nothing
        }
        if (isLine(line, "END:VCARD")) {
            file.entries += cardEntries(*card);
            card.reset();
        } else if (isLine(line, "BEGIN:VCARD")) {
            // The contact before never ended: it is skipped, the one starting here is read.
            QList<ImportEntry> lost = cardEntries(*card);
            file.entries.append(brokenEntry(
                lost.first().name,
                QCoreApplication::translate("VCardReader", "the contact has no END:VCARD line")));
            card = Card{{}, lines.number()};
        } else if (!line.trimmed().isEmpty() || card->lines.isEmpty() ||
                   !card->lines.last().first.isEmpty()) {
            card->lines.append(
                {line.trimmed().isEmpty() ? QByteArray() : line.toByteArray(), lines.number()});
        }
    }
    if (card) {
        file.entries.clear();
        file.error = QCoreApplication::translate(
                         "VCardReader", "The file ends in the middle of a contact (it has no "
                                        "END:VCARD line after line %1): it looks cut off.")
                         .arg(card->firstLine);
    }
    return file;
}

} // namespace VCardReader
