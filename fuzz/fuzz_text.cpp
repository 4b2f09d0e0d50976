// The text conversions take whatever a user typed or a hand-edited settings file holds. None
// may crash, and what they accept must be sound: a date or time that reads back from its own
// text, a number inside the bounds asked for, a request value without the request's own
// delimiters.

#include "text/textconv.h"
#include "web/stringtourl.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, const QString& text)
{
    std::fprintf(stderr, "fuzz_text: %s for \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}

const QLocale& pickLocale(uint8_t selector)
{
    static const QLocale locales[] = {
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Japanese, QLocale::Japan),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Persian, QLocale::Iran),
        QLocale(QLocale::Hungarian, QLocale::Hungary),
    };
    return locales[selector % std::size(locales)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const QLocale& locale = pickLocale(data[0]);
    // Bounds for the whole-number reader, from two more bytes: small ranges around zero.
    const int low = int(int8_t(data[1])) * 10;
    const int high = low + data[2] * 10;
    const auto* rest = reinterpret_cast<const char*>(data + 3);
    const auto length = qsizetype(size - 3);
    // The same bytes as UTF-8 (what a settings file gives) and as Latin-1 (what an old data
    // file gives).
    for (const QString& text :
         {QString::fromUtf8(rest, length), QString::fromLatin1(rest, length)}) {
        if (const auto date = TextConv::textToDate(text, locale)) {
            if (!date->isValid())
                fail("textToDate gave an invalid date", text);
            const QString again = TextConv::dateToText(*date, locale);
            if (TextConv::textToDate(again, locale) != date)
                fail("a date does not read back from its own text", text);
        }
        if (const auto time = TextConv::textToTime(text, locale)) {
            if (!time->isValid())
                fail("textToTime gave an invalid time", text);
            const QString again = TextConv::timeToText(*time, locale);
            const auto back = TextConv::textToTime(again, locale);
            if (!back || back->hour() != time->hour() || back->minute() != time->minute() ||
                back->second() != time->second())
                fail("a time does not read back from its own text", text);
        }
        const auto any = TextConv::textToWhole(text, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max(), locale);
        const auto bounded = TextConv::textToWhole(text, low, high, locale);
        if (bounded && (*bounded < low || *bounded > high))
            fail("textToWhole went outside its bounds", text);
        if (bounded != (any && *any >= low && *any <= high ? any : std::nullopt))
            fail("textToWhole with bounds disagrees with the unbounded reading", text);
        if (const auto flag = TextConv::textToBool(text, locale)) {
            if (TextConv::textToBool(TextConv::boolToText(*flag), locale) != flag)
                fail("an on/off value does not read back from its own text", text);
        }
        const QString url = stringToURL(text);
        for (const char delimiter : {'\'', '"', '&', '?'}) {
            if (url.contains(QLatin1Char(delimiter)))
                fail("stringToURL let a delimiter through", text);
        }
        if (url.size() < text.size() || stringToURL(url) != url)
            fail("stringToURL lost characters or changes its own result", text);
    }
    return 0;
}
