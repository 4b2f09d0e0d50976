// The text conversions take whatever a user typed or a hand-edited settings file holds. None
// may crash, and what they accept must be sound: a date or time that reads back from its own
// text, a number inside the bounds asked for, a request value without the request's own
// delimiters. Input: a locale selector byte, two bytes for the number bounds, then the text.

#include "core/comments/stringtourl.h"
#include "core/text/textconv.h"

#include <QRegularExpression>

#include <climits>
#include <cstdio>
#include <cstdlib>

using namespace TextConv;

namespace {

void check(bool ok, const char* what, const QString& text)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_text: %s for \"%s\"\n", what, text.toUtf8().constData());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QLocale locales[] = {QLocale::c(),     QLocale("en_US"), QLocale("de_DE"),
                                      QLocale("fr_FR"), QLocale("ja_JP"), QLocale("ar_EG"),
                                      QLocale("fa_IR"), QLocale("hu_HU")};
    if (size < 3)
        return 0;
    const QLocale& locale = locales[data[0] % std::size(locales)];
    const int low = int(int8_t(data[1])) * 10, high = low + data[2] * 10;
    const auto* rest = reinterpret_cast<const char*>(data + 3);
    // As UTF-8 (what a settings file gives) and as Latin-1 (what an old data file gives).
    for (const QString& text : {QString::fromUtf8(rest, qsizetype(size - 3)),
                                QString::fromLatin1(rest, qsizetype(size - 3))}) {
        if (const auto date = textToDate(text, locale))
            check(date->isValid() && textToDate(dateToText(*date), QLocale::c()) == date,
                  "a date does not read back from its stored text", text);
        if (const auto time = textToTime(text, locale)) {
            const auto back = textToTime(timeToText(*time), QLocale::c());
            check(time->isValid() && back &&
                      back->msecsSinceStartOfDay() / 1000 == time->msecsSinceStartOfDay() / 1000,
                  "a time does not read back from its own text", text);
        }
        const auto any = textToWhole(text, INT_MIN, INT_MAX, locale);
        check(textToWhole(text, low, high, locale) ==
                  (any && *any >= low && *any <= high ? any : std::nullopt),
              "textToWhole with bounds disagrees with the unbounded reading", text);
        if (const auto flag = textToBool(text, locale))
            check(textToBool(boolToText(*flag), locale) == flag,
                  "an on/off value does not read back from its own text", text);
        const QString url = stringToURL(text);
        static const QRegularExpression delimiters("['\"&?]");
        check(!url.contains(delimiters) && url.size() >= text.size() && stringToURL(url) == url,
              "stringToURL let a delimiter through, lost characters or changes its result", text);
    }
    return 0;
}
