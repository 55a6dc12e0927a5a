#include "store/error.h"
#include "tests/jetwriter/mdbreadback.h"
#include "tools/jetwriter/databasewriter.h"
#include "tools/jetwriter/jetwriter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <mdbtools.h>

namespace kelvane::jet {
namespace {

using Cell = std::optional<QString>;
using test::ReadTable;

Value text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A text of the given length whose content changes along it, so that pieces out of order show.
QString countingText(qsizetype length, bool cyrillic) {
    QString out;
    out.reserve(length + 16);
    for (int i = 0; out.size() < length; ++i) {
        QString number = QString::number(i) + QLatin1Char(' ');
        if (cyrillic) {
            for (QChar& c : number) {
                c = c.isDigit() ? QChar(0x0430 + c.digitValue()) : QChar(0x044F);
            }
        }
        out += number;
    }
    out.truncate(length);
    return out;
}

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class JetWriterTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("Baza.mdb")); }
    ReadTable write(const TableSpec& table) {
        writeDatabase(path(), {table});
        return test::readBack(path(), table.name);
    }

    QTemporaryDir dir_;
};

TEST_F(JetWriterTest, IntegerLimitsThroughExport) {
    const TableSpec table{
        QStringLiteral("numbers"),
        {{QStringLiteral("id"), ColumnType::AutoNumber},
         {QStringLiteral("b"), ColumnType::Byte},
         {QStringLiteral("i"), ColumnType::Integer},
         {QStringLiteral("l"), ColumnType::Long}},
        {{std::int64_t{1}, std::int64_t{0}, std::int64_t{-32768}, std::int64_t{-2147483648LL}},
         {std::int64_t{2}, std::int64_t{255}, std::int64_t{32767}, std::int64_t{2147483647LL}},
         {std::int64_t{7}, {}, {}, {}}}};
    writeDatabase(path(), {table});
    EXPECT_EQ(runTool(QStringLiteral("mdb-export"), {path(), table.name}),
              QStringLiteral("id,b,i,l\n1,0,-32768,-2147483648\n2,255,32767,2147483647\n7,,,\n"));
    const ReadTable back = test::readBack(path(), table.name);
    EXPECT_EQ(back.types, (std::vector<int>{MDB_LONGINT, MDB_BYTE, MDB_INT, MDB_LONGINT}));
    EXPECT_EQ(back.rows[2], (std::vector<Cell>{QStringLiteral("7"), {}, {}, {}}));
    EXPECT_EQ(back.autoNumber, (std::vector<bool>{true, false, false, false}));
}

TEST_F(JetWriterTest, TextValuesKeepEveryCharacter) {
    const std::vector<Value> values = {
        text(""),
        {},
        text("Справочники"),
        text("Ελληνικά 漢字 Ā Ѐ 一"), // characters whose low byte is zero, outside Windows-1251
        text("Latin-1: é ü ß ÿ"),
        QChar(0xFEFF) + QString::fromUtf8("метка"),
        QString(255, QLatin1Char('a')),
        QString(255, QChar(0x042F)),
        text("смесь ASCII и кириллицы"),
    };
    TableSpec table{QStringLiteral("texts"), {{QStringLiteral("t"), ColumnType::Text, 255}}, {}};
    for (const Value& value : values) {
        table.rows.push_back({value});
    }
    const ReadTable back = write(table);
    ASSERT_EQ(back.rows.size(), values.size());
    for (std::size_t r = 0; r < values.size(); ++r) {
        const auto* expected = std::get_if<QString>(&values[r]);
        EXPECT_EQ(back.rows[r][0], expected ? Cell(*expected) : Cell()) << "row " << r;
    }
}

TEST_F(JetWriterTest, MemoValuesOfEverySizeReadBackInFull) {
    const std::vector<QString> values = {
        QString(),                      // present and empty
        QStringLiteral("abc"),          // inline
        countingText(64, false),        // just past the inline limit once compressed
        countingText(3000, false),      // one long-value row
        countingText(2038, true),       // 4076 bytes: the largest single row
        countingText(2039, true),       // two chained rows
        countingText(3'000'000, true),  // several megabytes, stored as UCS-2
        countingText(5'000'000, false), // several megabytes, compressed
    };
    TableSpec table{
        QStringLiteral("memos"),
        {{QStringLiteral("n"), ColumnType::Long}, {QStringLiteral("m"), ColumnType::Memo}},
        {}};
    for (std::size_t i = 0; i < values.size(); ++i) {
        table.rows.push_back({static_cast<std::int64_t>(i), values[i]});
    }
    table.rows.push_back({std::int64_t{99}, {}});
    const ReadTable back = write(table);
    ASSERT_EQ(back.rows.size(), values.size() + 1);
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(back.rows[i][0], QString::number(i));
        ASSERT_TRUE(back.rows[i][1].has_value()) << "row " << i;
        EXPECT_EQ(back.rows[i][1]->size(), values[i].size()) << "row " << i;
        EXPECT_TRUE(*back.rows[i][1] == values[i]) << "row " << i;
    }
    EXPECT_EQ(back.rows.back()[1], Cell());
}

TEST_F(JetWriterTest, ShortMemoLeavesARowThatIsFull) {
    TableSpec table{QStringLiteral("wide"), {}, {{}}};
    for (int c = 0; c < 8; ++c) {
        table.columns.push_back({QStringLiteral("t%1").arg(c), ColumnType::Text, 250});
        table.rows[0].push_back(QString(250, QChar(0x0416)));
    }
    table.columns.push_back({QStringLiteral("m"), ColumnType::Memo});
    table.rows[0].push_back(QString(30, QChar(0x0436)));
    const ReadTable back = write(table);
    ASSERT_EQ(back.rows.size(), 1u);
    EXPECT_EQ(back.rows[0][8], Cell(QString(30, QChar(0x0436))));
    EXPECT_EQ(back.rows[0][0], Cell(QString(250, QChar(0x0416))));
}

// A konfigtree-like table over many pages, memo pages in between, with both forms of usage map.
TEST_F(JetWriterTest, ManyRowsComeBackInStoredOrder) {
    const int rowCount = 30000;
    TableSpec table{QStringLiteral("konfigtree"),
                    {{QStringLiteral("id"), ColumnType::AutoNumber},
                     {QStringLiteral("num"), ColumnType::Long},
                     {QStringLiteral("name"), ColumnType::Text, 255},
                     {QStringLiteral("col1"), ColumnType::Integer},
                     {QStringLiteral("modtext"), ColumnType::Memo},
                     {QStringLiteral("formimage"), ColumnType::Ole}},
                    {}};
    for (int i = 0; i < rowCount; ++i) {
        const Value memo = i % 3 == 0 ? Value(countingText(100 + i % 700, true)) : Value();
        table.rows.push_back({std::int64_t{i + 1},
                              std::int64_t{(i * 7919) % rowCount},
                              countingText(60 + i % 40, true) + QString::number(i),
                              std::int64_t{i % 32768},
                              memo,
                              {}});
    }
    for (const std::size_t inlineLimit : {DatabaseWriter::MaxInlineMap, std::size_t{64}}) {
        DatabaseWriter writer;
        writer.setInlineMapLimit(inlineLimit);
        writer.write(path(), {table});
        const ReadTable back = test::readBack(path(), table.name);
        ASSERT_EQ(back.rows.size(), table.rows.size()) << "map limit " << inlineLimit;
        for (int i = 0; i < rowCount; ++i) {
            const auto& row = table.rows[static_cast<std::size_t>(i)];
            const auto& got = back.rows[static_cast<std::size_t>(i)];
            ASSERT_EQ(got[0], QString::number(i + 1));
            ASSERT_EQ(got[1], QString::number(std::get<std::int64_t>(row[1])));
            ASSERT_EQ(got[2], std::get<QString>(row[2]));
            const auto* memo = std::get_if<QString>(&row[4]);
            ASSERT_EQ(got[4], memo ? Cell(*memo) : Cell()) << "row " << i;
            ASSERT_EQ(got[5], Cell());
        }
    }
    EXPECT_GT(QFile(path()).size(), 1000 * 4096);
}

TEST_F(JetWriterTest, SeveralTablesAreListedAndKeepTheirRows) {
    const std::vector<TableSpec> tables = {
        {QStringLiteral("konfigtree"),
         {{QStringLiteral("id"), ColumnType::AutoNumber}},
         {{std::int64_t{1}}, {std::int64_t{2}}}},
        {QStringLiteral("structura"),
         {{QStringLiteral("t"), ColumnType::Memo}},
         {{text("дерево")}}},
        {QStringLiteral("prosedur"), {{QStringLiteral("имя"), ColumnType::Text, 40}}, {}},
    };
    writeDatabase(path(), tables);
    EXPECT_EQ(runTool(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), path()}),
              QStringLiteral("konfigtree\nstructura\nprosedur\n"));
    EXPECT_TRUE(runTool(QStringLiteral("mdb-tables"), {QStringLiteral("-S"), path()})
                    .contains(QStringLiteral("MSysObjects")));
    EXPECT_EQ(test::readBack(path(), QStringLiteral("konfigtree")).rows.size(), 2u);
    EXPECT_EQ(test::readBack(path(), QStringLiteral("structura")).rows[0][0],
              Cell(QStringLiteral("дерево")));
    EXPECT_TRUE(runTool(QStringLiteral("mdb-schema"), {path()})
                    .contains(QStringLiteral("[имя]\t\t\tText (40)")));
    const ReadTable empty = test::readBack(path(), QStringLiteral("prosedur"));
    EXPECT_EQ(empty.columns, QStringList{QStringLiteral("имя")});
    EXPECT_TRUE(empty.rows.empty());
}

struct ErrorCase {
    const char* label;
    TableSpec table;
    const char* message; // a part of the expected message
};

std::vector<ColumnSpec> manyColumns() {
    std::vector<ColumnSpec> columns;
    for (int c = 0; c < 100; ++c) {
        columns.push_back({QStringLiteral("столбец_с_длинным_именем_%1").arg(c), ColumnType::Long});
    }
    return columns;
}

TableSpec oneValue(ColumnType type, Value value, int textLength = 255) {
    return {QStringLiteral("t"), {{QStringLiteral("c"), type, textLength}}, {{std::move(value)}}};
}

TEST_F(JetWriterTest, LimitsGiveClearErrorsAndNoFile) {
    const std::vector<ErrorCase> cases = {
        {"byte above", oneValue(ColumnType::Byte, std::int64_t{256}), "от 0 до 255"},
        {"byte below", oneValue(ColumnType::Byte, std::int64_t{-1}), "вне допустимого диапазона"},
        {"integer above", oneValue(ColumnType::Integer, std::int64_t{32768}), "от -32768 до 32767"},
        {"long below", oneValue(ColumnType::Long, std::int64_t{-2147483649LL}), "-2147483648"},
        {"autonumber above", oneValue(ColumnType::AutoNumber, std::int64_t{1LL << 31}),
         "2147483647"},
        {"text too long", oneValue(ColumnType::Text, text("шесть!"), 5), "не более 5"},
        {"text in a number", oneValue(ColumnType::Long, text("1")), "ожидается число"},
        {"number in a memo", oneValue(ColumnType::Memo, std::int64_t{1}), "ожидается текст"},
        {"ole with a value", oneValue(ColumnType::Ole, text("x")), "только пустым"},
        {"byte-order mark with U+0400",
         oneValue(ColumnType::Text, QChar(0xFEFF) + QString(QChar(0x0400))), "U+FEFF"},
        {"text length zero", oneValue(ColumnType::Text, text(""), 0), "от 1 до 255"},
        {"too many columns", {QStringLiteral("t"), manyColumns(), {}}, "не помещается на одну"},
        {"short row",
         {QStringLiteral("t"),
          {{QStringLiteral("a"), ColumnType::Long}, {QStringLiteral("b"), ColumnType::Long}},
          {{std::int64_t{1}}}},
         "1 значений, а столбцов 2"},
        {"row wider than a page",
         {QStringLiteral("t"),
          {{QStringLiteral("a"), ColumnType::Text},
           {QStringLiteral("b"), ColumnType::Text},
           {QStringLiteral("c"), ColumnType::Text},
           {QStringLiteral("d"), ColumnType::Text},
           {QStringLiteral("e"), ColumnType::Text},
           {QStringLiteral("f"), ColumnType::Text},
           {QStringLiteral("g"), ColumnType::Text},
           {QStringLiteral("h"), ColumnType::Text}},
          {std::vector<Value>(8, QString(255, QChar(0x0416)))}},
         "не помещается на страницу"},
        {"duplicate column",
         {QStringLiteral("t"),
          {{QStringLiteral("a"), ColumnType::Long}, {QStringLiteral("A"), ColumnType::Long}},
          {}},
         "два столбца"},
        {"catalog name",
         {QStringLiteral("msysobjects"), {{QStringLiteral("a")}}, {}},
         "встречается дважды"},
    };
    for (const ErrorCase& c : cases) {
        QFile::remove(path());
        try {
            writeDatabase(path(), {c.table});
            ADD_FAILURE() << c.label << ": no error";
        } catch (const Error& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(c.message)))
                << c.label << ": " << error.message().toStdString();
        }
        EXPECT_FALSE(QFile::exists(path())) << c.label;
    }
}

TEST_F(JetWriterTest, UnwritablePathIsReported) {
    const QString target = dir_.filePath(QStringLiteral("нет/такой/папки/Baza.mdb"));
    try {
        writeDatabase(target, {oneValue(ColumnType::Long, std::int64_t{1})});
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Не удалось создать файл")))
            << error.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(target));
}

} // namespace
} // namespace kelvane::jet
