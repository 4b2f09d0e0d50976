#include "core/store/jsonfile.h"

#include "core/store/datafileio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

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
    const Expected<> written = DataFileIo::replaceFile(path, bytes);
    if (written)
        return {};
    return UserError{QCoreApplication::translate(
                         "JsonFile", "Cannot write \"%1\": %2; the file is kept as it was.")
                         .arg(QDir::toNativeSeparators(path), written.error())};
}

} // namespace JsonFile
