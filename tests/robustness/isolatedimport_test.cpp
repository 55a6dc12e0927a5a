#include "store/error.h"
#include "store/isolatedimport.h"
#include "store/russiancollation.h"
#include "store/sqlstatement.h"
#include "tests/treetext/qtprinters.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kelvane;
using Problems = std::map<QString, QString>;
using namespace std::chrono_literals;

namespace {

// An in-memory connection of the parent side.
struct Engine {
    Engine() {
        sqlite3_open(":memory:", &db);
        registerRussianCollation(db);
    }
    ~Engine() { sqlite3_close(db); }
    sqlite3* db = nullptr;
};

QString importError(const std::function<Problems(sqlite3*)>& load,
                    std::chrono::milliseconds timeout = 60s) {
    Engine engine;
    try {
        importIsolated(QStringLiteral("Baza.mdb"), engine.db, timeout, load);
    } catch (const Error& error) {
        return error.message();
    }
    return {};
}

std::int64_t single(sqlite3* db, const char* sql) {
    SqlStatement statement(db, QString::fromUtf8(sql));
    EXPECT_TRUE(statement.step());
    return sqlite3_column_int64(statement.get(), 0);
}

int openDescriptors() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                                .size());
}

struct FailingChild {
    const char* name;
    std::function<Problems(sqlite3*)> load;
    std::chrono::milliseconds timeout;
    const char* message;
};

const char* const Damaged = "Файл Baza.mdb повреждён и не может быть прочитан";

class FailingChildTest : public ::testing::TestWithParam<FailingChild> {};

TEST_P(FailingChildTest, EndsInOneMessageAndThisProcessGoesOn) {
    EXPECT_EQ(importError(GetParam().load, GetParam().timeout),
              QString::fromUtf8(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Children, FailingChildTest,
    ::testing::Values(
        FailingChild{"Segfault",
                     [](sqlite3*) -> Problems {
                         std::raise(SIGSEGV);
                         return {};
                     },
                     60s, Damaged},
        FailingChild{"Abort", [](sqlite3*) -> Problems { std::abort(); }, 60s, Damaged},
        FailingChild{"ExitsEarly", [](sqlite3*) -> Problems { _exit(7); }, 60s, Damaged},
        FailingChild{"ForeignException",
                     [](sqlite3*) -> Problems { throw std::runtime_error("x"); }, 60s, Damaged},
        FailingChild{
            "Hangs",
            [](sqlite3*) -> Problems {
                for (;;)
                    pause();
            },
            1s, "Файл Baza.mdb повреждён и не может быть прочитан: чтение не закончилось за 1 с"},
        FailingChild{"ReaderError",
                     [](sqlite3*) -> Problems {
                         throw Error(QStringLiteral("Не удалось прочитать список таблиц"));
                     },
                     60s, "Не удалось прочитать список таблиц"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IsolatedImport, BringsTablesProblemsAndCollationOver) {
    Engine engine;
    const Problems problems =
        importIsolated(QStringLiteral("Baza.mdb"), engine.db, 60s, [](sqlite3* child) -> Problems {
            executeSql(
                child,
                QStringLiteral("CREATE TABLE konfigtree (num INTEGER, name TEXT COLLATE russian)"));
            executeSql(child, QStringLiteral(
                                  "INSERT INTO konfigtree VALUES (0, 'Я'), (1, 'а'), (2, 'B')"));
            // More than a pipe holds at once, so that both sides must work in turn.
            executeSql(child, QStringLiteral("CREATE TABLE bulk AS SELECT zeroblob(3000000) AS b"));
            return {{QStringLiteral("prosedur"), QStringLiteral("Таблица prosedur не найдена")}};
        });
    EXPECT_EQ(problems, (Problems{{QStringLiteral("prosedur"),
                                   QStringLiteral("Таблица prosedur не найдена")}}));
    EXPECT_EQ(single(engine.db, "SELECT num FROM konfigtree ORDER BY name LIMIT 1"), 2);
    EXPECT_EQ(single(engine.db, "SELECT length(b) FROM bulk"), 3000000);
}

TEST(IsolatedImport, LeavesNoDescriptorOrChildBehind) {
    const int before = openDescriptors();
    for (int i = 0; i < 20; ++i) {
        importError([](sqlite3*) -> Problems { return {}; });
        importError([](sqlite3*) -> Problems {
            std::raise(SIGSEGV);
            return {};
        });
    }
    EXPECT_EQ(openDescriptors(), before);
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}

} // namespace
