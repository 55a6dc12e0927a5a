#include "store/database.h"
#include "store/error.h"
#include "store/konfigcolumns.h"
#include "store/konfigtable.h"
#include "store/query.h"
#include "tests/store/sqlitefixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::KonfigRow;
using test::ProsedurRow;

// Stored order differs from num order below Справочники so that "Order by num" shows.
const std::vector<KonfigRow> Rows = {
    {1, 0, 0, "Конфигурация"},
    {2, 1, 0, "Общие"},
    {3, 2, 0, "Справочники", 0, "", std::nullopt},
    {4, 3, 1, "Подсистемы"},
    {5, 5, 2, "Номенклатура", 7, "Спр", 12, 3},
    {6, 4, 2, "банки"},
    {7, 6, 2, "Валюты"},
    {8, 7, 2, "Clients"},
    {9, 8, 2, "Ёлки"},
    {10, 9, 2, "Елка"},
    {11, 10, 2, "жильё"},
    {12, 11, 2, std::nullopt},
    {13, 12, 2, "1С"},
    {14, 13, -1, "Отрицательный"},
};

const std::vector<ProsedurRow> Procedures = {
    {3, 5, "Печать", "Процедура"},
    {1, 5, "ПриЗаписи", "Процедура"},
    {2, 6, "Чужая", "Функция"},
    {4, 5, "Сумма", "Функция"},
};

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("Baza.mdb");
        test::writeSqliteBaza(path, Rows, "tree text", Procedures);
        database.open(path);
    }

    QStringList column(const ResultSet& result, int position) const {
        QStringList values;
        for (int row = 0; row < result.rowCount(); ++row)
            values << result.text(row, position);
        return values;
    }

    QTemporaryDir dir;
    QString path;
    Database database;
};

struct QueryCase {
    const char* sql;
    std::optional<std::int64_t> id1;
    int position;
    QStringList expected;
};

class QueryTextTest : public DatabaseTest, public ::testing::WithParamInterface<QueryCase> {};

TEST_P(QueryTextTest, ReturnsRowsInExpectedOrder) {
    const QueryCase& c = GetParam();
    EXPECT_EQ(column(database.query(QString::fromUtf8(c.sql), c.id1), c.position), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramQueries, QueryTextTest,
    ::testing::Values(
        QueryCase{"Select * from konfigtree Where id_parent=0;",
                  std::nullopt,
                  konfig::Num,
                  {"0", "1", "2"}},
        QueryCase{"Select * from konfigtree Where id_parent=1;",
                  std::nullopt,
                  konfig::Name,
                  {"Подсистемы"}},
        QueryCase{"SELECT * FROM konfigtree WHERE (konfigtree.id_parent=0) and "
                  "(konfigtree.num<>0);",
                  std::nullopt,
                  konfig::Name,
                  {"Общие", "Справочники"}},
        QueryCase{"SELECT * FROM konfigtree WHERE (konfigtree.id_parent=-1);",
                  std::nullopt,
                  konfig::Name,
                  {"Отрицательный"}},
        QueryCase{"SELECT * FROM konfigtree WHERE (konfigtree.id_parent=2) Order by num;",
                  std::nullopt,
                  konfig::Num,
                  {"4", "5", "6", "7", "8", "9", "10", "11", "12"}},
        QueryCase{"SELECT * FROM konfigtree WHERE konfigtree.num=:id1 order by name;",
                  2,
                  konfig::Name,
                  {"Справочники"}},
        QueryCase{
            "SELECT * FROM konfigtree WHERE konfigtree.id_parent=:id1 order by name;",
            2,
            konfig::Name,
            {"", "1С", "Clients", "банки", "Валюты", "Елка", "Ёлки", "жильё", "Номенклатура"}},
        QueryCase{"SELECT * FROM prosedur WHERE ( ((prosedur.id_parent)=5)) ORDER BY prosedur.id;",
                  std::nullopt,
                  3,
                  {"ПриЗаписи", "Печать", "Сумма"}}));

TEST_F(DatabaseTest, SelectAllGivesEveryColumnWithNullsAsZeroOrEmpty) {
    const ResultSet all = database.query("SELECT * FROM konfigtree WHERE num=:id1;", 2);
    ASSERT_EQ(all.columnCount(), konfig::ColumnCount);
    ASSERT_EQ(all.rowCount(), 1);
    EXPECT_EQ(all.column(konfig::Col1).kind, ResultSet::Kind::Integer);
    EXPECT_EQ(all.integer(0, konfig::Col1), 0);
    EXPECT_EQ(all.text(0, konfig::ModText), "") << "memo content is not loaded";

    const ResultSet unnamed = database.query("SELECT * FROM konfigtree WHERE num=11;");
    EXPECT_EQ(unnamed.column(konfig::Name).kind, ResultSet::Kind::Text);
    EXPECT_EQ(unnamed.text(0, konfig::Name), "");

    const ResultSet full = database.query("SELECT * FROM konfigtree WHERE num=5;");
    EXPECT_EQ(full.integer(0, konfig::ImageIndex), 7);
    EXPECT_EQ(full.text(0, konfig::Type), "Спр");
    EXPECT_EQ(full.integer(0, konfig::Col1), 12);
    EXPECT_EQ(full.integer(0, konfig::ImageIndexType), 3);
}

TEST_F(DatabaseTest, StructuraTextAndQueryObjects) {
    EXPECT_EQ(database.query("SELECT * FROM structura").text(0, 1), "tree text");

    Query query("ADOQuery5", database,
                "SELECT * FROM konfigtree WHERE konfigtree.num=:id1 order by name;");
    query.reopenWithParam(1);
    EXPECT_EQ(query.fieldAsText(konfig::Name), "Общие");
    query.setParam(3);
    EXPECT_FALSE(query.isOpen());
    EXPECT_THROW(query.recordCount(), Error);
    query.open();
    EXPECT_EQ(query.fieldAsText(konfig::Name), "Подсистемы");
    query.reopen("Select * from konfigtree Where id_parent=0;");
    EXPECT_EQ(query.recordCount(), 3);
}

TEST_F(DatabaseTest, BadQueryAndClosedConnectionFail) {
    EXPECT_THROW(database.query("SELECT * FROM nothing"), Error);
    database.close();
    try {
        database.query("SELECT * FROM konfigtree");
        FAIL() << "a closed connection ran a query";
    } catch (const Error& error) {
        EXPECT_TRUE(error.message().contains("не открыто"));
    }
    KonfigTable table;
    EXPECT_THROW(table.open(database), Error);
}

struct FileCase {
    QByteArray content; // empty: no file at all
    const char* expectedPart;
};

class FileFormatTest : public ::testing::TestWithParam<FileCase> {};

QByteArray jetHeader(const char* magic, char version) {
    QByteArray page(4096, '\0');
    page.replace(4, 15, magic);
    page[0x14] = version;
    return page;
}

TEST_P(FileFormatTest, RejectsWithClearMessage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Baza.mdb");
    if (!GetParam().content.isNull()) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().content);
    }
    Database database;
    try {
        database.open(path);
        FAIL() << "opened a bad file";
    } catch (const Error& error) {
        EXPECT_TRUE(error.message().contains(QString::fromUtf8(GetParam().expectedPart)))
            << error.message().toStdString();
    }
    EXPECT_FALSE(database.isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileFormatTest,
    ::testing::Values(FileCase{QByteArray(), "не найден"},
                      FileCase{QByteArray(""), "не является базой данных Jet 4.0 или SQLite"},
                      FileCase{"plain text, not a database", "не является базой данных"},
                      FileCase{jetHeader("Standard Jet DB", 0), "Jet 3"},
                      FileCase{jetHeader("Standard ACE DB", 2), "неподдерживаемой версии"}));

struct ProblemCase {
    QStringList statements;
    const char* table;
    const char* problem;
};

class TableProblemTest : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(TableProblemTest, KeepsTheProblemAndLoadsTheRest) {
    const ProblemCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("Baza.mdb");
    test::writeSqliteFile(path, c.statements);
    Database database;
    database.open(path);
    ASSERT_TRUE(database.isOpen());
    const QString table = QString::fromUtf8(c.table);
    const QString problem = QString::fromUtf8(c.problem);
    EXPECT_EQ(database.tableProblem(table), problem);
    try {
        database.query(QStringLiteral("SELECT * FROM %1").arg(table));
        FAIL() << "a query over a failed table ran";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), problem);
    }
    for (const char* other : {"konfigtree", "structura", "prosedur"})
        if (table != QLatin1String(other)) {
            EXPECT_EQ(database.tableProblem(QString::fromUtf8(other)), "") << other;
        }
    if (table == QLatin1String("konfigtree")) {
        KonfigTable konfig;
        EXPECT_THROW(konfig.open(database), Error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Problems, TableProblemTest,
    ::testing::Values(
        ProblemCase{{test::structuraSchema(), test::prosedurSchema()},
                    "konfigtree",
                    "Таблица konfigtree не найдена в базе данных"},
        ProblemCase{{"CREATE TABLE konfigtree (id INTEGER, num INTEGER, id_parent INTEGER, "
                     "name TEXT)",
                     test::structuraSchema(), test::prosedurSchema()},
                    "konfigtree",
                    "В таблице konfigtree нет столбца imageindex (номер 4)"},
        ProblemCase{{QString(test::konfigtreeSchema()).replace("name VARCHAR(255)", "name INTEGER"),
                     test::structuraSchema(), test::prosedurSchema()},
                    "konfigtree",
                    "Столбец konfigtree.name (номер 3) должен быть текстовым"},
        ProblemCase{{QString(test::konfigtreeSchema()).replace("num INTEGER", "num TEXT"),
                     test::structuraSchema(), test::prosedurSchema()},
                    "konfigtree",
                    "Столбец konfigtree.num (номер 1) должен быть целочисленным"},
        ProblemCase{{test::konfigtreeSchema(), "CREATE TABLE structura (tree MEMO)",
                     test::prosedurSchema()},
                    "structura",
                    "В таблице structura нет столбца с текстом дерева (номер 1)"},
        ProblemCase{{test::konfigtreeSchema(), test::structuraSchema(),
                     "CREATE TABLE prosedur (id INTEGER, parent INTEGER, name TEXT)"},
                    "prosedur",
                    "В таблице prosedur нет столбца id_parent"}));

// Everything that the file system shows about a folder: names, sizes, times and bytes.
QStringList snapshot(const QString& folder) {
    QStringList state;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile file(info.filePath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        state << info.fileName() + QLatin1Char(' ') +
                     QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char(' ') +
                     QString::fromLatin1(file.readAll().toHex());
    }
    return state;
}

TEST_F(DatabaseTest, LeavesTheFileUntouched) {
    database.close();
    const QStringList before = snapshot(dir.path());
    {
        Database reopened;
        reopened.open(path);
        KonfigTable table;
        table.open(reopened);
        table.locateInteger("num", 5);
        reopened.query("SELECT * FROM prosedur");
    }
    EXPECT_EQ(snapshot(dir.path()), before);
}

} // namespace
} // namespace kelvane
