#include "core/comments/stringtourl.h"

QString stringToURL(const QString& text)
{
    QString result;
    result.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\'':
            result += u'`';
            break;
        case u'"':
            result += QLatin1String("``");
            break;
        case u'&':
            result += QLatin1String("and");
            break;
        case u'?':
            result += QChar(0x00AC); // the not sign
            break;
        default:
            result += c;
        }
    }
    return result;
}
