#include "export/export_file.h"
#include "text/app_error.h"
#include "text/code_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string readAll(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void writeFile(const QString &path, const char *bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The message of the InputOutputError the call throws; empty when it throws none.
std::string failureOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const InputOutputError &e) {
        return e.what();
    }
    return {};
}

bool holds(const std::string &message, const QString &text)
{
    return message.find(toCp1251(text)) != std::string::npos;
}

mode_t kindOf(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

// Lowers the largest file this process may write, as a full disk would stop it, and has the write fail
// with EFBIG instead of the signal that would end the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &m_oldAction);
        rlimit lower = m_old;
        lower.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        ::sigaction(SIGXFSZ, &m_oldAction, nullptr);
    }

private:
    rlimit m_old{};
    struct sigaction m_oldAction {};
};

} // namespace

TEST(AppendToFile, CreatesThenAppendsAfterWhatIsThere)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    appendToFile(path, "earlier");
    appendToFile(path, " \r\nnext\r\n");
    appendToFile(path, "");
    EXPECT_EQ(readAll(path), "earlier \r\nnext\r\n");
}

TEST(AppendToFile, ReadOnlyFileIsLeftIntactAndReported)
{
    if (geteuid() == 0) {
        // Root writes through file modes; a kernel file refuses even root.
        const QString kernelFile = QStringLiteral("/proc/version");
        const std::string before = readAll(kernelFile);
        EXPECT_THROW(appendToFile(kernelFile, "more"), InputOutputError);
        EXPECT_EQ(readAll(kernelFile), before);
        return;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.txt"));
    writeFile(path, "precious\r\n");
    chmod(QFile::encodeName(path).constData(), 0444);
    EXPECT_THROW(appendToFile(path, "more"), InputOutputError);
    EXPECT_EQ(readAll(path), "precious\r\n");
}

TEST(AppendToFile, MissingFolderIsReportedWithItsPath)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/out.txt"));
    for (const auto &write : {appendToFile, replaceFileAtomically}) {
        const std::string message = failureOf([&] { write(path, "x"); });
        EXPECT_TRUE(holds(message, path)) << message;
    }
}

// Neither writer waits on a pipe, writes into a device or replaces what is no regular file.
TEST(ExportFile, OnlyRegularFilesAreWritten)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    const QString readFifo = dir.filePath(QStringLiteral("read-pipe"));
    const QString socketPath = dir.filePath(QStringLiteral("socket"));
    const QString linkToFifo = dir.filePath(QStringLiteral("link"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(readFifo).constData(), 0600), 0);
    // With a reader the pipe would take the block; it still is no file.
    const int reader = ::open(QFile::encodeName(readFifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketName = QFile::encodeName(socketPath);
    ASSERT_LT(static_cast<size_t>(socketName.size()), sizeof address.sun_path);
    std::copy(socketName.begin(), socketName.end(), address.sun_path);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ASSERT_TRUE(QFile::link(fifo, linkToFifo));

    struct Case {
        QString path;
        QString what;
    };
    const QString pipe = QStringLiteral("это именованный канал, а не обычный файл");
    for (const Case &c :
         {Case{fifo, pipe}, Case{readFifo, pipe}, Case{linkToFifo, pipe},
          Case{dir.path(), QStringLiteral("это папка, а не файл")},
          Case{QStringLiteral("/dev/full"), QStringLiteral("это устройство, а не обычный файл")},
          Case{socketPath, QStringLiteral("это сокет, а не обычный файл")}}) {
        const mode_t kind = kindOf(c.path);
        for (const auto &write : {appendToFile, replaceFileAtomically}) {
            const std::string message = failureOf([&] { write(c.path, "block\r\n"); });
            EXPECT_TRUE(holds(message, QStringLiteral("Не удалось открыть файл ") + c.path +
                                           QStringLiteral(": ") + c.what))
                << message;
            EXPECT_EQ(kindOf(c.path), kind) << message;
        }
    }
    char buffer[16];
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 0) << "nothing reached the pipe";
    ::close(reader);
    ::close(listener);
}

TEST(ExportFile, WriteFailingPartWayLeavesEveryFileAsItWas)
{
    QTemporaryDir dir;
    const QString kept = dir.filePath(QStringLiteral("kept.txt"));
    const QString fresh = dir.filePath(QStringLiteral("fresh.txt"));
    writeFile(kept, "precious\r\n");
    const std::string block(1000, 'x');
    std::string appended, created, replaced;
    {
        // Room for part of the block: the first write goes through short, the next one fails.
        const FileSizeLimit limit(64);
        appended = failureOf([&] { appendToFile(kept, block); });
        created = failureOf([&] { appendToFile(fresh, block); });
        replaced = failureOf([&] { replaceFileAtomically(kept, block); });
    }
    for (const auto &[message, path] : {std::pair{appended, kept}, {created, fresh}, {replaced, kept}})
        EXPECT_TRUE(holds(message, QStringLiteral("Не удалось записать в файл ") + path +
                                       QStringLiteral(": ") + qt_error_string(EFBIG)))
            << message;
    EXPECT_EQ(readAll(kept), "precious\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).join(QStringLiteral(", ")).toStdString(), "kept.txt")
        << "no created or temporary file is left behind";
}

TEST(ReplaceFileAtomically, ReplacesTheWholeContentThroughALink)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.csv"));
    const QString link = dir.filePath(QStringLiteral("link.csv"));
    writeFile(target, "a much longer old content\r\n");
    ASSERT_TRUE(QFile::link(target, link));
    replaceFileAtomically(link, "new\r\n");
    EXPECT_EQ(readAll(target), "new\r\n");
    EXPECT_EQ(kindOf(link), S_IFLNK);
    const QString fresh = dir.filePath(QStringLiteral("fresh.csv"));
    replaceFileAtomically(fresh, "first\r\n");
    EXPECT_EQ(readAll(fresh), "first\r\n");
}
