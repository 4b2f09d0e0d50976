#pragma once

#include "core/exchange/importentry.h"

#include <QByteArray>

// Birthdays and anniversaries from contacts files: vCard 2.1, 3.0 and 4.0 as phone and web
// address books and mail programs write them. Follows the line rules of RFC 6350 (and 2426)
// and of vCard 2.1: folded lines (2.1 keeps the fold's blank), quoted-printable values with
// soft line breaks, CHARSET, escaped characters, groups and quoted parameter values. No
// library for Qt 6 on Debian 12 reads vCards, so this small reader does.
//
// Each contact gives an entry for its birthday (BDAY) and one for its anniversary
// (ANNIVERSARY, X-ANNIVERSARY, X-MS-ANNIVERSARY, X-EVOLUTION-ANNIVERSARY, Apple's labelled
// X-ABDATE, Android's contact_event), or a single "no date" entry. Dates may be 19840412,
// 1984-04-12, 1984-04-12T00:00:00Z, or without a year: --0412, --04-12, or the placeholder
// year 1604 (or the one X-APPLE-OMIT-YEAR names).
namespace VCardReader {

// Whether the data starts like a vCard file (BEGIN:VCARD after blank lines and a BOM).
bool looksLike(const QByteArray& data);

ImportFile read(const QByteArray& data);

} // namespace VCardReader
