#include "platform/singleinstance.h"

#include <QDir>

QString SingleInstance::userId()
{
    return qEnvironmentVariable("USERNAME");
}

QString SingleInstance::listenerName(const QString& name, QString*)
{
    return name;
}

QString SingleInstance::lockPathFor(const QString& listenerName)
{
    return QDir(QDir::tempPath()).filePath(listenerName + QStringLiteral(".lock"));
}

QString SingleInstance::privateFolder(QString*)
{
    return QDir::tempPath();
}

QString SingleInstance::folderProblem(const QString&)
{
    return {};
}
