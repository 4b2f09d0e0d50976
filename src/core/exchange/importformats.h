#pragma once

#include "core/exchange/importentry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A kind of file the import reads: how it is recognised, what reads it and how the program
// names it. The detection, the file dialog's filter and the texts that list the formats are
// all made from the table, so a new format is a row there and its reader.
struct ImportFormat
{
    QString name;     // "vCard"
    QString aFile;    // "a contacts file"
    QString files;    // "contacts", as the file dialog names the files it offers
    QString contents; // what is taken from a file: "the birthdays and anniversaries of contacts"
    QStringList extensions; // for the file dialog only: a file is recognised by its content
    bool (*looksLike)(const QByteArray& data);
    ImportFile (*read)(const QByteArray& data);
};

namespace ImportFormats {

// In the order they are tried.
const QList<ImportFormat>& all();

// The format whose content the data is, or none.
const ImportFormat* detect(const QByteArray& data);

// The file dialog's filter: "Contacts and calendars (*.vcf *.vcard *.ics *.ical);;All files (*)".
QString fileFilter();
// Why a file of no known format can't be imported.
QString unknownFileText();
// What an import takes from which files, for the command line's help.
QString importHelp();

} // namespace ImportFormats
