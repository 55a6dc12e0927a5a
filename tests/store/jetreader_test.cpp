#include "store/error.h"
#include "store/jetreader.h"
#include "store/jettext.h"
#include "tests/support/testpaths.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QVariant>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

QString accessFolder() {
    return test::sharedDir() + "/testdata/mdb";
}

struct Table {
    std::vector<SourceColumn> columns;
    std::vector<int> positions; // the integer and text columns that are compared
    std::vector<std::vector<QVariant>> rows;
};

Table readTable(JetReader& reader, const QString& name) {
    Table table;
    table.columns = reader.columns(name);
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].kind == SourceColumn::Kind::Integer || table.columns[i].isText())
            table.positions.push_back(static_cast<int>(i));
    reader.readRows(name, table.positions, [&](const std::vector<SourceField>& fields) {
        std::vector<QVariant> row;
        for (const SourceField& field : fields) {
            if (field.kind == SourceField::Kind::Integer)
                row.emplace_back(static_cast<qlonglong>(field.integer));
            else if (field.kind == SourceField::Kind::Text)
                row.emplace_back(QString::fromUtf8(field.text.data(),
                                                   static_cast<qsizetype>(field.text.size())));
            else
                row.emplace_back();
        }
        table.rows.push_back(std::move(row));
    });
    return table;
}

// The rows as the command-line exporter prints them, one JSON object per row; NULL and empty
// fields are left out there.
std::vector<QJsonObject> exportedRows(const QString& file, const QString& table) {
    QProcess process;
    process.start("mdb-json", {file, table});
    EXPECT_TRUE(process.waitForFinished(60000));
    std::vector<QJsonObject> rows;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (!line.trimmed().isEmpty())
            rows.push_back(QJsonDocument::fromJson(line).object());
    return rows;
}

TEST(JetReader, EveryAccessFileReadsAsTheExporterPrintsIt) {
    const QStringList files = QDir(accessFolder()).entryList({"*.mdb"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const QString file = accessFolder() + "/" + name;
        JetReader reader(file);
        for (const QString& tableName : reader.tableNames()) {
            SCOPED_TRACE((name + " " + tableName).toStdString());
            const Table table = readTable(reader, tableName);
            const std::vector<QJsonObject> expected = exportedRows(file, tableName);
            ASSERT_EQ(table.rows.size(), expected.size());
            for (std::size_t r = 0; r < expected.size(); ++r) {
                for (std::size_t i = 0; i < table.positions.size(); ++i) {
                    const SourceColumn& column =
                        table.columns[static_cast<std::size_t>(table.positions[i])];
                    const QVariant& ours = table.rows[r][i];
                    const QJsonValue theirs = expected[r].value(column.name);
                    SCOPED_TRACE(column.name.toStdString() + " row " + std::to_string(r));
                    if (column.kind == SourceColumn::Kind::Integer) {
                        if (theirs.isUndefined())
                            EXPECT_FALSE(ours.isValid());
                        else
                            EXPECT_EQ(ours.toLongLong(), theirs.toInteger());
                    } else {
                        EXPECT_EQ(ours.toString(), theirs.toString());
                    }
                }
            }
        }
    }
}

TEST(JetReader, RowsComeInStoredOrder) {
    JetReader reader(accessFolder() + "/jackcess-overflowTestV2003.mdb");
    const Table table = readTable(reader, "Table1");
    std::vector<int> order;
    for (const auto& row : table.rows) {
        for (const QVariant& field : row) {
            const QString text = field.toString();
            if (text.startsWith("row")) {
                order.push_back(text.mid(3, 1).toInt());
                break;
            }
        }
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 4, 6, 7, 3, 5}));
}

TEST(JetReader, FindsTablesCaseInsensitivelyAndReadsUnicodeText) {
    JetReader reader(accessFolder() + "/jackcess-testUnicodeCompV2003.mdb");
    EXPECT_EQ(reader.findTable("TABLE"), QString("Table"));
    EXPECT_FALSE(reader.findTable("konfigtree"));
    const Table table = readTable(reader, "Table");
    QStringList texts;
    for (const auto& row : table.rows)
        texts << row.back().toString();
    EXPECT_TRUE(texts.contains("Мир"));
    EXPECT_TRUE(texts.contains("ääkkösiä"));

    JetReader empty(accessFolder() + "/jackcess-empty-V2000.mdb");
    EXPECT_TRUE(empty.tableNames().isEmpty());
}

struct TextCase {
    QByteArray stored;
    QString expected;
};

class JetTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(JetTextTest, Decodes) {
    EXPECT_EQ(decodeJetText(GetParam().stored), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, JetTextTest,
    ::testing::Values(TextCase{QByteArray(), QString()}, TextCase{QByteArray("A\0b\0", 4), "Ab"},
                      TextCase{QByteArray("\x1c\x04\x38\x04\x40\x04", 6), "Мир"},
                      TextCase{QByteArray("\xff\xfe"
                                          "abc",
                                          5),
                               "abc"},
                      TextCase{QByteArray("\xff\xfe"
                                          "ab\0\x1c\x04\0c",
                                          9),
                               "abМc"},
                      TextCase{QByteArray("\x3d\xd8\x00\xde", 4), QString::fromUtf8("😀")}));

} // namespace
} // namespace kelvane
