#include "core/store/jsonfile.h"

#include "core/store/datafileio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

#include <cerrno>

namespace JsonFile {

Expected<std::optional<QJsonObject>> read(const QString& path, int version, qint64 maxBytes,
                                          const Texts& texts)
{
    QFile file(path);
    if (!file.exists())
        return std::optional<QJsonObject>();
    const QString name = QDir::toNativeSeparators(path);
    if (file.size() > maxBytes)
        return UserError{texts.tooLarge.arg(name).arg(maxBytes / (1024 * 1024))};
    if (!file.open(QIODevice::ReadOnly)) {
        return UserError{QCoreApplication::translate("JsonFile", "Cannot read \"%1\": %2.")
                             .arg(name, file.errorString())};
    }
    QJsonParseError parsed;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll(), &parsed).object();
    if (parsed.error != QJsonParseError::NoError || root.isEmpty()) {
        return UserError{texts.damaged.arg(name, parsed.error != QJsonParseError::NoError
                                                     ? parsed.errorString()
                                                     : QStringLiteral("empty"))};
    }
    if (root.value("version").toInt() > version)
        return UserError{texts.newer.arg(name)};
    return std::optional(root);
}

Expected<> write(const QString& path, int version, QJsonObject root)
{
    root.insert("version", version);
    const QByteArray bytes = QJsonDocument(root).toJson();
    // QSaveFile puts its copy in place even when bytes it still held back failed to reach the
    // disk at commit: a full disk then left an empty file. Unbuffered, every failed write is
    // one commit sees, and the copy is synced before it is renamed over the old file.
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(bytes) == bytes.size() && file.error() == QFileDevice::NoError && file.commit())
        return {};
    const QString reason = DataFileIo::failureReason(file, errno);
    return UserError{QCoreApplication::translate(
                         "JsonFile", "Cannot write \"%1\": %2; the file is kept as it was.")
                         .arg(QDir::toNativeSeparators(path), reason)};
}

} // namespace JsonFile
