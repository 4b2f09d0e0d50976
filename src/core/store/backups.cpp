#include "core/store/backups.h"

#include "core/store/cellformat.h"
#include "core/store/datafileio.h"
#include "core/store/eventrulefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

using DataFileIo::nativeName;

std::optional<QByteArray> readAll(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("Backups", "Cannot read \"%1\": %2.")
                    .arg(nativeName(path), file.errorString());
        return std::nullopt;
    }
    const qint64 size = file.size();
    QByteArray bytes = file.read(size);
    if (bytes.size() != size) {
        error = QCoreApplication::translate("Backups", "Cannot read \"%1\": %2.")
                    .arg(nativeName(path), file.errorString());
        return std::nullopt;
    }
    return bytes;
}

// Writes the whole file or nothing.
bool writeAll(const QString& path, const QByteArray& bytes, QString& error)
{
    const Expected<> written = DataFileIo::replaceFile(path, bytes);
    if (written)
        return true;
    error = QCoreApplication::translate("Backups", "Cannot write \"%1\": %2.")
                .arg(nativeName(path), written.error());
    return false;
}

// ".dat" for birthday.dat; nothing for a data file without a suffix.
QString dotSuffix(const QFileInfo& data)
{
    return data.suffix().isEmpty() ? QString() : u'.' + data.suffix();
}

QRegularExpression namePattern(const QString& dataPath)
{
    const QFileInfo data(dataPath);
    return QRegularExpression(QStringLiteral("^%1-(\\d{4}-\\d\\d-\\d\\d)(?:-(\\d+))?%2$")
                                  .arg(QRegularExpression::escape(data.completeBaseName()),
                                       QRegularExpression::escape(dotSuffix(data))));
}

QList<Backups::Backup> findBackups(const QString& dataPath)
{
    QList<Backups::Backup> backups;
    const QRegularExpression pattern = namePattern(dataPath);
    const QDir dir(Backups::folder(dataPath));
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(file.fileName());
        const QDate date = QDate::fromString(match.captured(1), Qt::ISODate);
        if (!match.hasMatch() || !date.isValid())
            continue;
        Backups::Backup backup;
        backup.path = file.absoluteFilePath();
        backup.date = date;
        backup.copy = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
        backup.written = file.lastModified();
        backups.append(backup);
    }
    std::sort(backups.begin(), backups.end(), [](const auto& a, const auto& b) {
        return a.date != b.date ? a.date > b.date : a.copy > b.copy;
    });
    return backups;
}

// Keeps the copies of the newest keptDays days. A copy that cannot be deleted only takes room:
// it is no reason to refuse the work the backup was made for.
// The moving days' rules go with the data file they belong to, beside it under its name; a
// data file without them leaves those of the target alone.
bool copyRules(const QString& fromData, const QString& toData, QString& reason)
{
    const QString from = EventRuleFile::pathFor(fromData);
    if (!QFileInfo::exists(from))
        return true;
    const std::optional<QByteArray> bytes = readAll(from, reason);
    return bytes && writeAll(EventRuleFile::pathFor(toData), *bytes, reason);
}

void prune(const QString& dataPath, const QStringList& spared)
{
    QList<QDate> days;
    for (const Backups::Backup& backup : findBackups(dataPath)) {
        if (!days.contains(backup.date))
            days.append(backup.date);
        if (days.size() > Backups::keptDays && !spared.contains(backup.path)) {
            QFile::remove(backup.path);
            QFile::remove(EventRuleFile::pathFor(backup.path));
        }
    }
}

} // namespace

namespace Backups {

QString folder(const QString& dataPath)
{
    return QFileInfo(dataPath).absoluteDir().filePath(QStringLiteral("backups"));
}

QString filePath(const QString& dataPath, QDate date, int copy)
{
    const QFileInfo data(dataPath);
    QString name = data.completeBaseName() + u'-' + date.toString(Qt::ISODate);
    if (copy > 1)
        name += u'-' + QString::number(copy);
    return QDir(folder(dataPath)).filePath(name + dotSuffix(data));
}

QList<Backup> list(const QString& dataPath)
{
    QList<Backup> backups = findBackups(dataPath);
    for (Backup& backup : backups) {
        QString ignored;
        if (const std::optional<QByteArray> bytes = check(backup.path, ignored))
            backup.events = CellFormat::countRecords(*bytes);
    }
    return backups;
}

bool make(const QString& dataPath, QDate day, bool keepCurrentState, QString& error,
          const QString& spared)
{
    const auto failed = [&](const QString& reason) {
        error = QCoreApplication::translate(
                    "Backups", "Cannot make the backup of the data file \"%1\", so nothing was "
                               "changed. %2")
                    .arg(nativeName(dataPath), reason);
        return false;
    };
    if (!QFileInfo::exists(dataPath))
        return true;
    QString reason;
    const std::optional<QByteArray> bytes = readAll(dataPath, reason);
    if (!bytes)
        return failed(reason);
    if (!QDir().mkpath(folder(dataPath)))
        return failed(
            QCoreApplication::translate("Backups", "The folder \"%1\" could not be created.")
                .arg(nativeName(folder(dataPath))));
    int copy = 1;
    for (; QFileInfo::exists(filePath(dataPath, day, copy)); ++copy) {
        if (!keepCurrentState)
            return true;
        QString ignored;
        if (readAll(filePath(dataPath, day, copy), ignored) == bytes)
            return true; // this state is kept already
    }
    const QString made = filePath(dataPath, day, copy);
    if (!writeAll(made, *bytes, reason) || !copyRules(dataPath, made, reason))
        return failed(reason);
    // A clock set back makes today's copy the oldest: it stays all the same.
    prune(dataPath, {made, QFileInfo(spared).absoluteFilePath()});
    return true;
}

std::optional<QByteArray> check(const QString& backupPath, QString& error)
{
    std::optional<QByteArray> bytes = readAll(backupPath, error);
    if (!bytes)
        return std::nullopt;
    QString damage;
    CellFormat::CellWalker walker(*bytes);
    while (damage.isEmpty() && walker.next()) {
        if (walker.slot() >= FieldTable::fieldCount)
            damage = QCoreApplication::translate(
                         "Backups", "it is not a Candlewatcher data file (byte %1 starts no "
                                    "field)")
                         .arg(walker.offset());
    }
    if (bytes->isEmpty())
        damage = QCoreApplication::translate("Backups", "it is empty");
    else if (damage.isEmpty() && walker.cellsEnd() != bytes->size())
        //: %Ln is the number of bytes at the file's end that make no whole field.
        damage = QCoreApplication::translate(
            "Backups", "it is cut short (its last %Ln bytes are part of a field)", nullptr,
            int(bytes->size() - walker.cellsEnd()));
    if (damage.isEmpty())
        return bytes;
    error = QCoreApplication::translate("Backups", "The backup \"%1\" is damaged: %2.")
                .arg(nativeName(backupPath), damage);
    return std::nullopt;
}

bool restore(const QString& dataPath, const QByteArray& bytes, QString& error)
{
    const QFileInfo data(dataPath);
    if (data.exists() && !data.isWritable()) {
        error = QCoreApplication::translate("Backups", "The data file \"%1\" is read-only.")
                    .arg(nativeName(dataPath));
        return false;
    }
    return writeAll(DataFileIo::writeTarget(dataPath), bytes, error);
}

bool restoreRules(const QString& dataPath, const QString& backupPath, QString& error)
{
    return copyRules(backupPath, dataPath, error);
}

} // namespace Backups
