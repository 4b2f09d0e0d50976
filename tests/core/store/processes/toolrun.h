#pragma once

// The fault tests' child-process fixture: cw_storetool runs store operations in a process of its
// own, to be killed at a chosen point, size-limited, without root's rights or beside another copy.

#include "core/events/birthdayrecord.h"
#include "core/text/textconv.h"

#include <QFile>
#include <QProcess>

// The tool's answer lines, one "ok [result]" or "fail <error text>" per command; none when it
// was killed (or hung and was killed).
inline QStringList runStoreTool(const QStringList& arguments,
                                QProcessEnvironment env = QProcessEnvironment::systemEnvironment())
{
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(CW_STORETOOL_PATH), arguments);
    if (!tool.waitForFinished(120000))
        tool.kill();
    tool.waitForFinished();
    if (tool.exitStatus() != QProcess::NormalExit)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// The record a stress run adds as its number-th: its fields follow from its name, so a reader
// can tell a whole record from a mixed-up one.
inline BirthdayRecord stressRecord(int id, int number)
{
    BirthdayRecord record;
    record.values = {QStringLiteral("p%1-%2").arg(id).arg(number),
                     TextConv::dateToText(QDate(1950, 1, 1).addDays(number)),
                     QString::number(id % 2),
                     QString::number(number % 100),
                     QStringLiteral("1"),
                     QString(),
                     QString::number(number % 2)};
    return record;
}
