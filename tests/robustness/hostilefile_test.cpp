// Files that are no readable Jet 4.0 database at all: the connection fails with one clear
// message, the later opens report that it is not open, and the window stays in its unstarted
// state with an empty tree.
#include "store/error.h"
#include "tests/robustness/hostilefixtures.h"
#include "tests/robustness/startedprogram.h"
#include "tests/treetext/qtprinters.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

namespace {

constexpr int PageSize = 4096;

QByteArray truncatedJet(const QString& path,
                        const std::function<qsizetype(const QByteArray&)>& at) {
    writeJet(path);
    const QByteArray whole = readBytes(path);
    return whole.left(at(whole));
}

struct HostileFile {
    const char* name;
    std::function<void(const QString& path)> make;
    const char* message; // %1 is the path
};

class HostileFileTest : public ::testing::TestWithParam<HostileFile> {};

TEST_P(HostileFileTest, ConnectionFailsWithItsMessageAndTheWindowStaysUnstarted) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
    GetParam().make(path);
    StartedProgram started(path);

    ASSERT_FALSE(started.errors.messages.isEmpty());
    EXPECT_EQ(started.errors.messages.first(), QString::fromUtf8(GetParam().message).arg(path));
    EXPECT_FALSE(started.program.ADOTable1().isOpen());
    EXPECT_TRUE(started.view.nodes().empty());
    EXPECT_EQ(started.program.state().TreeSyncEnabled, 0);
    EXPECT_EQ(started.historyCount(), 0);
    EXPECT_FALSE(started.program.sections().MemRazdel().isOpen());
    EXPECT_FALSE(started.view.pagesHidden());
    // Each later move of the current record reports that the table is not open.
    const int shown = static_cast<int>(started.errors.messages.size());
    started.program.run([&] { started.program.jumps().dxBarButton1Click(); });
    EXPECT_EQ(started.errors.messages.size(), shown + 1);
}

const char* const NotADatabase = "Файл %1 не является базой данных Jet 4.0 или SQLite";

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFileTest,
    ::testing::Values(
        HostileFile{"Missing", [](const QString&) {}, "Файл %1 не найден"},
        HostileFile{"Empty", [](const QString& path) { writeBytes(path, {}); }, NotADatabase},
        HostileFile{"RandomBytes",
                    [](const QString& path) {
                        QRandomGenerator random(7);
                        QByteArray bytes(8 * PageSize, Qt::Uninitialized);
                        for (char& byte : bytes)
                            byte = static_cast<char>(random.bounded(256));
                        writeBytes(path, bytes);
                    },
                    NotADatabase},
        HostileFile{
            "TextFile",
            [](const QString& path) {
                writeBytes(path,
                           QStringLiteral("Конф | Configuration\n  Общие | CommonNode\n").toUtf8());
            },
            NotADatabase},
        HostileFile{"TruncatedInsidePageZero",
                    [](const QString& path) {
                        writeBytes(path, truncatedJet(path, [](const QByteArray&) { return 100; }));
                    },
                    "Файл %1 повреждён: его длина 100 байт меньше двух страниц базы данных Jet 4.0 "
                    "(по 4096 байт)"},
        HostileFile{"TruncatedInsideAPage",
                    [](const QString& path) {
                        writeBytes(path, truncatedJet(path, [](const QByteArray&) {
                                       return 3 * PageSize + 1000;
                                   }));
                    },
                    "Файл %1 повреждён: его длина 13288 байт не кратна размеру страницы базы "
                    "данных Jet 4.0 (4096 байт)"},
        HostileFile{"TruncatedBeforeTheLastTableDefinition",
                    [](const QString& path) {
                        writeBytes(path, truncatedJet(path, [](const QByteArray& whole) {
                                       return qsizetype{pagesOfType(whole, 2).back()} * PageSize;
                                   }));
                    },
                    "Таблица konfigtree не найдена в базе данных"},
        HostileFile{"TruncatedBeforeTheLastDataPage",
                    [](const QString& path) {
                        writeBytes(path, truncatedJet(path, [](const QByteArray& whole) {
                                       return qsizetype{pagesOfType(whole, 1).back()} * PageSize;
                                   }));
                    },
                    "Таблица konfigtree не найдена в базе данных"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every cut at a page boundary either fails the connection with a message or leaves tables
// reported as unusable; the process reading it survives each one.
TEST(TruncatedJet, EveryPageBoundaryEndsInAMessage) {
    QTemporaryDir dir;
    const QString whole = dir.filePath(QStringLiteral("whole.mdb"));
    writeJet(whole);
    const QByteArray bytes = readBytes(whole);
    const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
    for (qsizetype size = 2 * PageSize; size < bytes.size(); size += PageSize) {
        writeBytes(path, bytes.left(size));
        Database database;
        QString message;
        try {
            database.open(path);
            for (const char* table : {"konfigtree", "structura", "prosedur"})
                message += database.tableProblem(QString::fromLatin1(table));
        } catch (const Error& error) {
            message = error.message();
        }
        EXPECT_FALSE(message.isEmpty()) << "cut at " << size;
    }
}

} // namespace
