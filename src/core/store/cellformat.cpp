#include "core/store/cellformat.h"

#include "core/text/windows1252.h"

#include <QStringDecoder>

#include <array>
#include <cctype>
#include <cstring>

using namespace FieldTable;

namespace CellFormat {

std::optional<int> fieldSlot(const QString& fieldName)
{
    for (int slot = 0; slot < fieldCount; ++slot)
        if (fieldName.compare(QLatin1String(fieldNames[size_t(slot)]), Qt::CaseInsensitive) == 0)
            return slot;
    return std::nullopt;
}

QByteArray encodeKey(int key)
{
    Q_ASSERT(key >= 0 && key <= maxKey);
    QByteArray bytes;
    while (key >= 256) {
        bytes.append(char(0xFF));
        key -= 255;
    }
    bytes.append(char(key));
    bytes.append(keySize - bytes.size(), '\0');
    return bytes;
}

QByteArray padValue(const QByteArray& value, int size)
{
    QByteArray out = value;
    out.append(size - value.size(), '\0');
    return out;
}

QByteArray removeNuls(QByteArrayView bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (char c : bytes)
        if (c != '\0')
            out.append(c);
    return out;
}

QString decodeValue(QByteArrayView bytes)
{
    // Values are mostly plain ASCII padded with NULs: those need no decoder and no copy. The
    // padding is found with the C library's own (vectorised) search and compare: names are
    // short, and their padding was most of the time a list read took.
    if (bytes.isEmpty())
        return QString();
    static const char zeros[256] = {};
    const auto nul = static_cast<const char*>(std::memchr(bytes.data(), 0, size_t(bytes.size())));
    qsizetype end = nul ? nul - bytes.data() : bytes.size();
    const qsizetype padding = bytes.size() - end;
    bool plain = padding <= qsizetype(sizeof zeros) &&
                 std::memcmp(bytes.data() + end, zeros, size_t(padding)) == 0;
    if (!plain) {
        end = bytes.size();
        while (end > 0 && bytes[end - 1] == '\0')
            --end;
    }
    QByteArrayView text = bytes.first(end);
    for (char c : text) {
        if (c == '\0' || quint8(c) >= 0x80) {
            plain = false;
            break;
        }
    }
    if (plain) {
        // Most values are one character or two digits ("1", "0", "10"): those share one copy
        // each instead of taking an allocation of their own.
        static const std::array<QString, 128 + 100> shortTexts = [] {
            std::array<QString, 128 + 100> texts;
            for (int c = 0; c < 128; ++c)
                texts[size_t(c)] = QString(QChar(c));
            for (int n = 0; n < 100; ++n)
                texts[128 + size_t(n)] = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            return texts;
        }();
        if (text.size() == 1)
            return shortTexts[size_t(quint8(text[0]))];
        if (text.size() == 2 && std::isdigit(quint8(text[0])) && std::isdigit(quint8(text[1])))
            return shortTexts[128 + size_t((text[0] - '0') * 10 + (text[1] - '0'))];
        return QString::fromLatin1(text);
    }
    const QByteArray clean = removeNuls(text);
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded = utf8.decode(clean);
    if (!utf8.hasError())
        return decoded;
    return fromWindows1252(clean);
}

QByteArray makeCell(int slot, int key, const QByteArray& value)
{
    QByteArray cell;
    cell.reserve(cellSize(slot));
    cell.append(char(slot));
    cell.append(char(flagLive));
    cell.append(encodeKey(key));
    cell.append(padValue(value, fieldSize(slot)));
    return cell;
}

int countRecords(QByteArrayView data)
{
    int count = 0;
    CellWalker walker(data);
    while (walker.next())
        count += walker.listsRecord() ? 1 : 0;
    return count;
}

} // namespace CellFormat
