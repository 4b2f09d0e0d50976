#pragma once

// Runs cw_storetool (the store in a process of its own) and collects its answer lines.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <unistd.h>

struct ToolRun
{
    bool finished = false; // ended on its own, not killed and not timed out
    int exitCode = -1;
    QStringList lines; // one "ok ..." or "fail ..." per command
    QString errors;

    bool ok(int i) const { return i < lines.size() && lines[i].startsWith(QLatin1String("ok")); }
    bool failed(int i) const
    {
        return i < lines.size() && lines[i].startsWith(QLatin1String("fail "));
    }
};

inline ToolRun
runStoreTool(const QStringList& arguments,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
             int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CW_STORETOOL_PATH), arguments);
    ToolRun run;
    if (!process.waitForStarted(timeoutMs))
        return run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    run.finished = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    run.lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline bool runningAsRoot()
{
    return geteuid() == 0;
}
