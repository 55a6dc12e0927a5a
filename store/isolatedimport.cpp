#include "store/isolatedimport.h"

#include "store/error.h"
#include "store/russiancollation.h"
#include "store/sqlstatement.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVANE_SANITIZED_CHILD 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KELVANE_SANITIZED_CHILD 1
#endif
#ifdef KELVANE_SANITIZED_CHILD
#include <sanitizer/common_interface_defs.h>
#endif

// The child writes to the pipe: the length of a header (32 bits), the header (a QDataStream of
// the outcome and either the message of the failure or the table problems), and for a load the
// length of the serialised database (64 bits) followed by its bytes. The parent reads the bytes
// straight into the buffer that the engine then takes over.

namespace kelvane {

namespace {

using Problems = std::map<QString, QString>;
using Load = std::function<Problems(sqlite3*)>;
using Clock = std::chrono::steady_clock;

enum Outcome : quint8 { Loaded = 0, Failed = 1 };

// Exit status of a child that ended outside its normal path (a sanitizer report, an exception
// that is no Error, a failed write).
constexpr int ChildFailed = 3;
// No header of ours comes near this; a larger length means the stream is not ours.
constexpr quint32 HeaderLimit = 64u << 20;
constexpr int PipeSize = 1 << 20;

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

[[noreturn]] void damaged(const QString& path) {
    throw Error(QStringLiteral("Файл %1 повреждён и не может быть прочитан").arg(path));
}

// A fault in the child ends the child the plain way, so that no crash handler of this process
// (a fuzzer's, a sanitizer's) runs there and takes the child's fault for its own.
void quietCrashes() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGSYS, SIGTRAP, SIGPIPE})
        sigaction(signal, &action, nullptr);
#ifdef KELVANE_SANITIZED_CHILD
    __sanitizer_set_death_callback([] { _exit(ChildFailed); });
#endif
}

bool writeAll(int fd, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t count = write(fd, bytes, size);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

bool writeHeader(int fd, const QByteArray& header) {
    const auto size = static_cast<quint32>(header.size());
    return writeAll(fd, &size, sizeof size) &&
           writeAll(fd, header.constData(), static_cast<std::size_t>(header.size()));
}

QByteArray failureHeader(const QString& message) {
    QByteArray header;
    QDataStream(&header, QIODevice::WriteOnly) << quint8(Failed) << message;
    return header;
}

bool loadAndSend(int fd, const Load& load) {
    sqlite3* engine = nullptr;
    try {
        if (sqlite3_open(":memory:", &engine) != SQLITE_OK)
            throw Error(QStringLiteral("Не удалось создать рабочую базу данных в памяти"));
        registerRussianCollation(engine);
        const Problems problems = load(engine);
        // An engine without any table has no page to serialise; give it its header page.
        executeSql(engine, QStringLiteral("PRAGMA user_version = 1"));
        sqlite3_int64 size = 0;
        unsigned char* bytes = sqlite3_serialize(engine, "main", &size, 0);
        if (!bytes)
            throw Error(QStringLiteral("Не удалось передать прочитанные таблицы"));
        QByteArray header;
        QDataStream out(&header, QIODevice::WriteOnly);
        out << quint8(Loaded) << quint32(problems.size());
        for (const auto& [table, problem] : problems)
            out << table << problem;
        const auto length = static_cast<quint64>(size);
        return writeHeader(fd, header) && writeAll(fd, &length, sizeof length) &&
               writeAll(fd, bytes, static_cast<std::size_t>(size));
    } catch (const Error& error) {
        sqlite3_close(engine);
        return writeHeader(fd, failureHeader(error.message()));
    }
}

[[noreturn]] void runChild(int fd, const Load& load) {
    quietCrashes();
    bool sent = false;
    try {
        sent = loadAndSend(fd, load);
    } catch (...) {
    }
    _exit(sent ? 0 : ChildFailed);
}

// The parent's end of the pipe, read against one deadline for the whole transfer.
class ChildStream {
public:
    enum class Result { Complete, Ended, TimedOut };

    ChildStream(int fd, Clock::time_point deadline)
        : fd_(fd)
        , deadline_(deadline) {}

    Result read(void* into, std::size_t size) {
        char* bytes = static_cast<char*>(into);
        while (size > 0) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
            if (left.count() <= 0)
                return Result::TimedOut;
            pollfd waiting{fd_, POLLIN, 0};
            const int ready = poll(&waiting, 1, static_cast<int>(left.count()));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready < 0)
                return Result::Ended;
            if (ready == 0)
                continue;
            const ssize_t count = ::read(fd_, bytes, size);
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0)
                return Result::Ended;
            bytes += count;
            size -= static_cast<std::size_t>(count);
        }
        return Result::Complete;
    }

private:
    int fd_;
    Clock::time_point deadline_;
};

int waitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return status;
}

bool exitedWell(int status) {
    return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The child's side of one import as the parent receives it; the child is always reaped.
class ChildImport {
public:
    ChildImport(const QString& path, pid_t child, int fd, std::chrono::milliseconds timeout)
        : path_(path)
        , child_(child)
        , fd_(fd)
        , timeout_(timeout)
        , stream_(fd, Clock::now() + timeout) {}

    ~ChildImport() {
        if (fd_ >= 0)
            close(fd_);
        if (child_ > 0) {
            kill(child_, SIGKILL);
            waitFor(child_);
        }
    }
    ChildImport(const ChildImport&) = delete;
    ChildImport& operator=(const ChildImport&) = delete;

    void read(void* into, std::size_t size) {
        const ChildStream::Result result = stream_.read(into, size);
        if (result == ChildStream::Result::TimedOut)
            throw Error(
                QStringLiteral("Файл %1 повреждён и не может быть прочитан: чтение не "
                               "закончилось за %2 с")
                    .arg(path_)
                    .arg(std::chrono::duration_cast<std::chrono::seconds>(timeout_).count()));
        if (result == ChildStream::Result::Ended)
            damaged(path_);
    }

    // Waits for the child to end; true when it ended well.
    bool finish() {
        close(fd_);
        fd_ = -1;
        const int status = waitFor(child_);
        child_ = -1;
        return exitedWell(status);
    }

private:
    QString path_;
    pid_t child_;
    int fd_;
    std::chrono::milliseconds timeout_;
    ChildStream stream_;
};

// An engine buffer that is freed unless the engine took it over.
struct EngineBuffer {
    ~EngineBuffer() { sqlite3_free(bytes); }
    unsigned char* bytes = nullptr;
};

} // namespace

Problems importIsolated(const QString& path, sqlite3* engine, std::chrono::milliseconds timeout,
                        const Load& load) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw Error(
            QStringLiteral("Не удалось начать чтение файла %1: %2").arg(path, systemError(errno)));
    fcntl(fds[1], F_SETPIPE_SZ, PipeSize);
    const pid_t child = fork();
    if (child < 0) {
        const int code = errno;
        close(fds[0]);
        close(fds[1]);
        throw Error(
            QStringLiteral("Не удалось начать чтение файла %1: %2").arg(path, systemError(code)));
    }
    if (child == 0) {
        close(fds[0]);
        runChild(fds[1], load);
    }
    close(fds[1]);
    ChildImport import(path, child, fds[0], timeout);

    quint32 headerSize = 0;
    import.read(&headerSize, sizeof headerSize);
    if (headerSize > HeaderLimit)
        damaged(path);
    QByteArray header(static_cast<qsizetype>(headerSize), Qt::Uninitialized);
    import.read(header.data(), headerSize);
    QDataStream in(header);
    quint8 outcome = 0;
    in >> outcome;
    if (outcome == Failed) {
        QString message;
        in >> message;
        if (!import.finish() || in.status() != QDataStream::Ok)
            damaged(path);
        throw Error(message);
    }
    quint32 count = 0;
    in >> count;
    Problems problems;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString table;
        QString problem;
        in >> table >> problem;
        problems[table] = problem;
    }
    if (outcome != Loaded || in.status() != QDataStream::Ok || !in.atEnd())
        damaged(path);

    quint64 size = 0;
    import.read(&size, sizeof size);
    EngineBuffer buffer;
    buffer.bytes = static_cast<unsigned char*>(sqlite3_malloc64(size));
    if (!buffer.bytes)
        throw Error(QStringLiteral("Недостаточно памяти для таблиц файла %1").arg(path));
    import.read(buffer.bytes, size);
    if (!import.finish())
        damaged(path);

    const auto length = static_cast<sqlite3_int64>(size);
    const int result =
        sqlite3_deserialize(engine, "main", std::exchange(buffer.bytes, nullptr), length, length,
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    if (result != SQLITE_OK)
        throw Error(QStringLiteral("Не удалось принять таблицы файла %1: %2")
                        .arg(path, QString::fromUtf8(sqlite3_errmsg(engine))));
    return problems;
}

} // namespace kelvane
