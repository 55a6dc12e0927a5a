#include "store/treetext/cp1251.h"
#include "tests/store/sqlitefixture.h"
#include "tests/support/testpaths.h"
#include "tests/treetext/nodebytes.h"
#include "tests/treetext/qtprinters.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

struct ToolRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

ToolRun runTool(const QString& file) {
    QProcess process;
    process.start(test::binaryDir() + QStringLiteral("/tools/treetext/kelvane-treetext"), {file});
    process.waitForFinished(-1);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

const QByteArray block = test::int32Bytes(1) +
                         test::nodeEntry({"\xCA\xEE\xED\xF4\xE8\xE3", 1, 0, 0, -1, -1, 0}) +
                         test::nodeEntry({"a\tb\\", 0, 3, 4, 5, 6, 4294967295u});
const QByteArray expectedOutput = "0\t0\tКонфиг\t0\t0\t-1\t-1\t0\n"
                                  "1\t1\ta\\x09b\\x5c\t3\t4\t5\t6\t4294967295\n";

TEST(TreeTextTool, StoredTreeTextFile) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "tree.txt",
                                   test::treeText("  Images = Form1.ImageList1\n  Items.Data = " +
                                                  test::hexBlock(block) + "\n"));
    const ToolRun run = runTool(path);
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, expectedOutput);
}

TEST(TreeTextTool, BazaFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
    const QByteArray text = test::treeText("  Items.Data = " + test::hexBlock(block) + "\n");
    test::writeSqliteBaza(path, {}, cp1251::decode(text), {});
    const ToolRun run = runTool(path);
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, expectedOutput);
}

TEST(TreeTextTool, FailuresPrintTheMessage) {
    QTemporaryDir dir;
    struct Case {
        QByteArray text;
        QByteArray message;
    };
    const QByteArray cut = test::int32Bytes(1) + test::nodeEntry({"x", 1});
    const Case cases[] = {
        {test::treeText("  Left = 1.5\n"),
         "Error reading TreeView1.Left: Invalid property value\n"},
        {test::treeText("  Items.Data = " + test::hexBlock(cut) + "\n"),
         "Error reading TreeView1.Items.Data: Stream read error\n"},
        {"object TreeView1: TTreeView\n  Items.Data = {\n", "Invalid binary value on line 3\n"},
        {QByteArray(20000, '\xFF'), "Line too long on line 1\n"},
    };
    for (const auto& [text, message] : cases) {
        const ToolRun run = runTool(writeFile(dir, "bad.txt", text));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err, message);
    }
    const ToolRun missing = runTool(dir.filePath("missing.txt"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.isEmpty());
}

} // namespace
} // namespace kelvane
