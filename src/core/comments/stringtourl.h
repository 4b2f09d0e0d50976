#pragma once

#include <QString>

// Makes free text fit for a quoted value of the comments request: an apostrophe becomes one
// grave accent, a double quote two grave accents, an ampersand the word "and" and a question
// mark the not sign. Every other character passes unchanged. The substitution takes away the
// request's own delimiters; it is one-way and applying it twice changes nothing. Any length,
// including none, is fine.
QString stringToURL(const QString& text);
