#pragma once

#include <QStringList>

class QCoreApplication;

// The program's language: English unless the desktop asks for one the program ships.
namespace Translations {

// The languages whose translations are built into the program ("de", "pt_BR", …), English
// first: English needs no translation beyond its plural forms and is always there.
QStringList shipped();

// The first of the desktop's languages (most wanted first, as QLocale::uiLanguages gives
// them: "de-DE", "zh-Hans-CN") that is shipped, by its full name or else by its language
// alone; "en" when none is.
QString choose(const QStringList& uiLanguages, const QStringList& shipped);

// Installs into the application the English plural forms, then the translation of the chosen
// language and Qt's own for it (from Qt's translations folder, where the system has them).
// Returns the language chosen. The translators live as long as the application.
QString install(QCoreApplication& app, const QStringList& uiLanguages);

// A text of the program as every shipped language has it, the source text first and each
// form once: what the program may have stored while it ran in another language.
QStringList inEveryLanguage(const char* context, const char* sourceText);

} // namespace Translations
