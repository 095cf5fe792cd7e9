#include "export/export_file.h"

#include "text/app_error.h"
#include "text/code_page.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

[[noreturn]] void cannotOpen(const QString &path, const QString &reason)
{
    throw InputOutputError(toCp1251(
        QCoreApplication::translate("ExportFile", "Не удалось открыть файл %1: %2").arg(path, reason)));
}

// The reason, and a word when the file could not be put back as it was.
[[noreturn]] void cannotWrite(const QString &path, const QString &reason, bool restored = true)
{
    const QString tail =
        restored ? QString()
                 : QCoreApplication::translate("ExportFile", "; вернуть файл к прежнему виду не удалось");
    throw InputOutputError(
        toCp1251(QCoreApplication::translate("ExportFile", "Не удалось записать в файл %1: %2%3")
                     .arg(path, reason, tail)));
}

} // namespace

#ifndef Q_OS_WIN

namespace {

QString whatItIs(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("ExportFile", "это папка, а не файл");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("ExportFile", "это именованный канал, а не обычный файл");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("ExportFile", "это устройство, а не обычный файл");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("ExportFile", "это сокет, а не обычный файл");
    return QCoreApplication::translate("ExportFile", "это не обычный файл");
}

// Throws unless the path, followed through its links, is a regular file or nothing at all yet.
void refuseIfNotRegular(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            cannotOpen(path, whatItIs(status.st_mode));
    } else if (errno != ENOENT) {
        cannotOpen(path, qt_error_string(errno));
    }
}

// Closes on every way out; close() reports what an early return would lose.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    Descriptor(Descriptor &&other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    Descriptor &operator=(Descriptor &&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    // Zero, or the system's error code; the descriptor is released either way.
    int close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
    }

private:
    int m_fd;
};

// Opens for appending; creates the file only when it is missing, so an existing one is never emptied.
// O_NONBLOCK: a pipe put in place after the check fails the open instead of waiting for a reader.
Descriptor openForAppend(const QString &path, bool &created)
{
    const QByteArray name = QFile::encodeName(path);
    constexpr int flags = O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    created = false;
    int fd = ::open(name.constData(), flags);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(name.constData(), flags | O_CREAT | O_EXCL, 0666);
        created = fd >= 0;
        if (fd < 0 && errno == EEXIST) // a link to a missing file, or a file that appeared just now
            fd = ::open(name.constData(), flags | O_CREAT, 0666);
    }
    if (fd < 0) {
        const int code = errno;
        refuseIfNotRegular(path);
        cannotOpen(path, qt_error_string(code));
    }
    return Descriptor(fd);
}

// Zero when everything went out; otherwise the system's error code, `written` telling how far it got.
int writeAll(int fd, const std::string &bytes, size_t &written)
{
    written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n > 0)
            written += static_cast<size_t>(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return n < 0 ? errno : EIO;
    }
    return 0;
}

bool stillThere(const QByteArray &name, const struct stat &opened)
{
    struct stat now {};
    return ::stat(name.constData(), &now) == 0 && now.st_dev == opened.st_dev && now.st_ino == opened.st_ino;
}

// Puts the file back as it was before the call: removed when the call created it, otherwise cut to its
// old end. False when that failed.
bool putBack(const Descriptor &file, const QByteArray &name, const struct stat &before, bool created)
{
    if (created)
        return !stillThere(name, before) || ::unlink(name.constData()) == 0;
    if (file.get() >= 0)
        return ::ftruncate(file.get(), before.st_size) == 0;
    return stillThere(name, before) && ::truncate(name.constData(), before.st_size) == 0;
}

// Qt's own write takes a short write for the whole, and QSaveFile would then rename a cut file into
// place; writing to its descriptor ourselves goes on to the end or reports the reason.
QString writeWhole(QSaveFile &file, const std::string &bytes)
{
    size_t written = 0;
    const int code = writeAll(file.handle(), bytes, written);
    return code == 0 ? QString() : qt_error_string(code);
}

} // namespace

void appendToFile(const QString &path, const std::string &bytes)
{
    refuseIfNotRegular(path);
    bool created = false;
    Descriptor file = openForAppend(path, created);
    struct stat before {};
    if (::fstat(file.get(), &before) != 0)
        cannotOpen(path, qt_error_string(errno));
    if (!S_ISREG(before.st_mode))
        cannotOpen(path, whatItIs(before.st_mode));

    const QByteArray name = QFile::encodeName(path);
    size_t written = 0;
    if (const int code = writeAll(file.get(), bytes, written); code != 0) {
        const bool untouched = written == 0 && !created;
        cannotWrite(path, qt_error_string(code), untouched || putBack(file, name, before, created));
    }
    // A network file system may report a lost write only here.
    if (const int code = file.close(); code != 0)
        cannotWrite(path, qt_error_string(code), putBack(file, name, before, created));
}

#else // Windows: Qt's file API, with the same refusals and the same putting back.

namespace {

void refuseIfNotRegular(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        cannotOpen(path, info.isDir() ? QCoreApplication::translate("ExportFile", "это папка, а не файл")
                                      : QCoreApplication::translate("ExportFile", "это не обычный файл"));
}

QString writeWhole(QSaveFile &file, const std::string &bytes)
{
    const auto size = static_cast<qint64>(bytes.size());
    return file.write(bytes.data(), size) == size ? QString() : file.errorString();
}

} // namespace

void appendToFile(const QString &path, const std::string &bytes)
{
    refuseIfNotRegular(path);
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        cannotOpen(path, file.errorString());
    const qint64 before = file.size();
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) == size) {
        file.close();
        if (file.error() == QFileDevice::NoError)
            return;
    }
    const QString reason = file.errorString();
    cannotWrite(path, reason, existed ? file.resize(before) : file.remove());
}

#endif

void replaceFileAtomically(const QString &path, const std::string &bytes)
{
    // Renaming over a pipe or a device would replace it, and over a folder cannot work.
    refuseIfNotRegular(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotOpen(path, file.errorString());
    if (const QString reason = writeWhole(file, bytes); !reason.isEmpty()) {
        file.cancelWriting();
        cannotWrite(path, reason);
    }
    // Flushes, syncs to disk and renames; the temporary file is removed when any step fails.
    if (!file.commit())
        cannotWrite(path, file.errorString());
}
