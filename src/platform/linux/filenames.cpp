#include "platform/filenames.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

constexpr char16_t escapedByte = 0xDC00; // U+DC80 to U+DCFF stand for the bytes 0x80 to 0xFF

bool spelledByQt(const QByteArray& name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

std::shared_ptr<int> openHandle(int folder, const QByteArray& name, int flags)
{
    const int handle = ::openat(folder, name.constData(), flags | O_CLOEXEC);
    if (handle < 0)
        return nullptr;
    return std::shared_ptr<int>(new int(handle), [](int* h) {
        ::close(*h);
        delete h;
    });
}

QString procPath(int handle)
{
    return QStringLiteral("/proc/self/fd/%1").arg(handle);
}

QString systemError()
{
    return qt_error_string(errno);
}

} // namespace

namespace FileNames {

QStringList arguments(int argc, char** argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        if (spelledByQt(raw)) {
            list << QFile::decodeName(raw);
            continue;
        }
        QString kept;
        for (const char c : raw)
            kept += uchar(c) < 0x80 ? QChar(c) : QChar(char16_t(escapedByte + uchar(c)));
        list << kept;
    }
    return list;
}

QByteArray encoded(const QString& argument)
{
    const auto escaped = [](QChar c) { return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF; };
    if (std::none_of(argument.begin(), argument.end(), escaped))
        return QFile::encodeName(argument);
    QByteArray bytes;
    for (const QChar c : argument)
        bytes += escaped(c) ? char(c.unicode() - escapedByte) : c.toLatin1();
    return bytes;
}

QString shown(const QString& argument)
{
    return QFile::decodeName(encoded(argument));
}

OpenName openName(const QString& argument)
{
    const QByteArray name = encoded(argument);
    if (spelledByQt(name))
        return {QFile::decodeName(name), nullptr};
    // A handle that only names the file: opening it neither reads nor waits on a pipe.
    std::shared_ptr<int> handle = openHandle(AT_FDCWD, name, O_PATH);
    if (!handle)
        return {shown(argument), nullptr};
    return {procPath(*handle), handle};
}

QString write(const QString& argument, const std::function<QString(const QString& path)>& writeAt)
{
    const QByteArray name = encoded(argument);
    if (spelledByQt(name))
        return writeAt(QFile::decodeName(name));
    const qsizetype slash = name.lastIndexOf('/');
    const QByteArray folderName = slash < 0 ? "." : slash == 0 ? "/" : name.left(slash);
    const QByteArray fileName = name.mid(slash + 1);
    const std::shared_ptr<int> folder = openHandle(AT_FDCWD, folderName, O_PATH | O_DIRECTORY);
    if (!folder)
        return systemError();
    struct stat status;
    if (::fstatat(*folder, fileName.constData(), &status, 0) == 0 && !S_ISREG(status.st_mode)) {
        const std::shared_ptr<int> target = openHandle(*folder, fileName, O_PATH);
        return target ? writeAt(procPath(*target)) : systemError();
    }
    // Written whole under a name Qt can spell in the same folder, then renamed over the
    // target in one step.
    const QByteArray spelled = ".candlewatcher-" + QByteArray::number(::getpid()) + ".part";
    const QString error = writeAt(procPath(*folder) + u'/' + QString::fromLatin1(spelled));
    if (!error.isEmpty())
        return error;
    if (::renameat(*folder, spelled.constData(), *folder, fileName.constData()) == 0)
        return QString();
    const QString renameError = systemError();
    ::unlinkat(*folder, spelled.constData(), 0);
    return renameError;
}

} // namespace FileNames
