#pragma once

#include <QLocale>
#include <QString>

class SettingsStore;

// Dates and times are stored as ISO text, which reads the same in every language. Older data
// files and settings hold them in the short form of the language they were written under; that
// language is recorded in the settings the first time this version starts, before anything is
// read, so those dates keep their day when the user's language changes or the file moves to a
// machine in another language.
namespace DateLocale {

// The recorded language; none recorded yet, current is recorded and returned.
QLocale recordOnce(SettingsStore& settings, const QLocale& current = QLocale());
// The recorded language, or current while none is (nothing is written).
QLocale recorded(const SettingsStore& settings, const QLocale& current = QLocale());

// The stored name of a locale and the locale of a stored name; an unknown name reads as
// current.
QString nameOf(const QLocale& locale);
QLocale fromName(const QString& name, const QLocale& current = QLocale());

} // namespace DateLocale
