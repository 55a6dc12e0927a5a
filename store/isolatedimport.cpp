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

namespace kelvane {

namespace {

using Problems = std::map<QString, QString>;
using Load = std::function<Problems(sqlite3*)>;
using Clock = std::chrono::steady_clock;

enum Outcome : quint8 { Loaded = 0, Failed = 1 };

// Exit status of a child that ended outside its normal path (a sanitizer report, an exception
// that is no Error).
constexpr int ChildFailed = 3;

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

QByteArray failure(const QString& message) {
    QByteArray payload;
    QDataStream(&payload, QIODevice::WriteOnly) << quint8(Failed) << message;
    return payload;
}

QByteArray childPayload(const Load& load) {
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
        QByteArray payload;
        QDataStream out(&payload, QIODevice::WriteOnly);
        out << quint8(Loaded) << quint32(problems.size());
        for (const auto& [table, problem] : problems)
            out << table << problem;
        out << QByteArray::fromRawData(reinterpret_cast<const char*>(bytes),
                                       static_cast<qsizetype>(size));
        sqlite3_free(bytes);
        sqlite3_close(engine);
        return payload;
    } catch (const Error& error) {
        sqlite3_close(engine);
        return failure(error.message());
    }
}

[[noreturn]] void runChild(int fd, const Load& load) {
    quietCrashes();
    int status = 0;
    try {
        const QByteArray payload = childPayload(load);
        for (qsizetype written = 0; written < payload.size();) {
            const ssize_t count = write(fd, payload.constData() + written,
                                        static_cast<std::size_t>(payload.size() - written));
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0) {
                status = ChildFailed;
                break;
            }
            written += count;
        }
    } catch (...) {
        status = ChildFailed;
    }
    _exit(status);
}

// Reads the pipe to its end; false when the deadline passed first.
bool readAll(int fd, Clock::time_point deadline, QByteArray& received) {
    char chunk[65536];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd waiting{fd, POLLIN, 0};
        const int ready = poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            throw Error(QStringLiteral("Ошибка при получении прочитанных таблиц: %1")
                            .arg(systemError(errno)));
        if (ready == 0)
            continue;
        const ssize_t count = read(fd, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw Error(QStringLiteral("Ошибка при получении прочитанных таблиц: %1")
                            .arg(systemError(errno)));
        if (count == 0)
            return true;
        received.append(chunk, count);
    }
}

int waitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return status;
}

void deserialize(const QString& path, sqlite3* engine, const QByteArray& database) {
    const auto size = static_cast<sqlite3_int64>(database.size());
    auto* bytes = static_cast<unsigned char*>(sqlite3_malloc64(static_cast<sqlite3_uint64>(size)));
    if (!bytes)
        throw Error(QStringLiteral("Недостаточно памяти для таблиц файла %1").arg(path));
    std::memcpy(bytes, database.constData(), static_cast<std::size_t>(size));
    if (sqlite3_deserialize(engine, "main", bytes, size, size,
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE) !=
        SQLITE_OK)
        throw Error(QStringLiteral("Не удалось принять таблицы файла %1: %2")
                        .arg(path, QString::fromUtf8(sqlite3_errmsg(engine))));
}

} // namespace

Problems importIsolated(const QString& path, sqlite3* engine, std::chrono::milliseconds timeout,
                        const Load& load) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw Error(
            QStringLiteral("Не удалось начать чтение файла %1: %2").arg(path, systemError(errno)));
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

    QByteArray received;
    bool finished = false;
    try {
        finished = readAll(fds[0], Clock::now() + timeout, received);
    } catch (...) {
        close(fds[0]);
        kill(child, SIGKILL);
        waitFor(child);
        throw;
    }
    close(fds[0]);
    if (!finished) {
        kill(child, SIGKILL);
        waitFor(child);
        throw Error(QStringLiteral("Файл %1 повреждён и не может быть прочитан: чтение не "
                                   "закончилось за %2 с")
                        .arg(path)
                        .arg(std::chrono::duration_cast<std::chrono::seconds>(timeout).count()));
    }
    const int status = waitFor(child);
    if (status < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        damaged(path);

    QDataStream in(received);
    quint8 outcome = 0;
    in >> outcome;
    if (outcome == Failed) {
        QString message;
        in >> message;
        if (in.status() != QDataStream::Ok)
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
    QByteArray database;
    in >> database;
    if (outcome != Loaded || in.status() != QDataStream::Ok || !in.atEnd())
        damaged(path);
    deserialize(path, engine, database);
    return problems;
}

} // namespace kelvane
