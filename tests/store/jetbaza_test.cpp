#include "store/database.h"
#include "store/konfigcolumns.h"
#include "store/konfigtable.h"
#include "tools/jetwriter/jetwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace kelvane {
namespace {

using jet::ColumnType;
using jet::Value;

constexpr std::int64_t LongMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t LongMax = std::numeric_limits<std::int32_t>::max();

jet::TableSpec konfigtree() {
    const std::vector<std::pair<const char*, ColumnType>> layout = {
        {"id", ColumnType::AutoNumber},       {"num", ColumnType::Long},
        {"id_parent", ColumnType::Long},      {"name", ColumnType::Text},
        {"imageindex", ColumnType::Long},     {"type", ColumnType::Text},
        {"formimage", ColumnType::Ole},       {"modtext", ColumnType::Memo},
        {"spravtext", ColumnType::Memo},      {"col1", ColumnType::Integer},
        {"colgraf", ColumnType::Integer},     {"colzhach", ColumnType::Integer},
        {"colizmer", ColumnType::Integer},    {"colresur", ColumnType::Integer},
        {"colrecv", ColumnType::Integer},     {"coltabl", ColumnType::Integer},
        {"colform", ColumnType::Integer},     {"comacet", ColumnType::Integer},
        {"colperer", ColumnType::Integer},    {"cinonim", ColumnType::Text},
        {"komment", ColumnType::Text},        {"podsistem", ColumnType::Text},
        {"imageindextype", ColumnType::Byte}, {"stringtype", ColumnType::Text},
        {"ispolzov", ColumnType::Text},       {"indexirov", ColumnType::Text},
        {"polnotpoisk", ColumnType::Text},    {"rezimuprblok", ColumnType::Text},
    };
    jet::TableSpec table{"konfigtree", {}, {}};
    for (const auto& [name, type] : layout)
        table.columns.push_back({name, type, type == ColumnType::Text ? 255 : 0});
    const auto row = [](std::int64_t id, std::int64_t num, std::int64_t parent, Value name,
                        Value col1, std::int64_t imageIndex, std::int64_t typeIndex) {
        std::vector<Value> values(konfig::ColumnCount);
        values[konfig::Id] = id;
        values[konfig::Num] = num;
        values[konfig::IdParent] = parent;
        values[konfig::Name] = std::move(name);
        values[konfig::ImageIndex] = imageIndex;
        values[konfig::Type] = QString("Спр");
        values[konfig::ModText] = QString("модуль");
        values[konfig::Col1] = std::move(col1);
        values[konfig::ImageIndexType] = typeIndex;
        return values;
    };
    table.rows = {
        row(1, 0, 0, QString("Конфигурация"), std::int64_t{32767}, LongMax, 255),
        row(2, 1, 0, QString("Общие"), std::int64_t{-32768}, LongMin, 0),
        row(3, 2, 0, QString("Справочники"), Value{}, 3, 1),
        row(LongMax, LongMin, -1, Value{}, std::int64_t{5}, 0, 0),
    };
    return table;
}

QString longTreeText() {
    QString text;
    while (text.size() < 30000)
        text += QString::fromUtf8("Узел дерева 😀 node ");
    return text;
}

class JetBazaTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("Baza.mdb");
        const jet::TableSpec structura{"structura",
                                       {{"id", ColumnType::Long}, {"tree", ColumnType::Memo}},
                                       {{std::int64_t{1}, longTreeText()}}};
        const jet::TableSpec prosedur{
            "prosedur",
            {{"id", ColumnType::AutoNumber},
             {"id_parent", ColumnType::Long},
             {"modul", ColumnType::Long},
             {"name", ColumnType::Text, 255},
             {"text", ColumnType::Memo},
             {"vid", ColumnType::Text, 20}},
            {{std::int64_t{1}, std::int64_t{3}, std::int64_t{0}, QString("ПриЗаписи"),
              QString("тело"), QString("Процедура")}}};
        jet::writeDatabase(path, {konfigtree(), structura, prosedur});
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(JetBazaTest, LoadsIntegersAtTheirLimitsTextsAndTheWholeTreeText) {
    Database database;
    database.open(path);
    for (const char* table : {"konfigtree", "structura", "prosedur"})
        EXPECT_EQ(database.tableProblem(table), "") << table;

    const ResultSet all = database.query("SELECT * FROM konfigtree");
    ASSERT_EQ(all.rowCount(), 4);
    EXPECT_EQ(all.integer(0, konfig::ImageIndex), LongMax);
    EXPECT_EQ(all.integer(1, konfig::ImageIndex), LongMin);
    EXPECT_EQ(all.integer(0, konfig::Col1), 32767);
    EXPECT_EQ(all.integer(1, konfig::Col1), -32768);
    EXPECT_EQ(all.integer(2, konfig::Col1), 0);
    EXPECT_EQ(all.integer(0, konfig::ImageIndexType), 255);
    EXPECT_EQ(all.integer(3, konfig::Id), LongMax);
    EXPECT_EQ(all.integer(3, konfig::Num), LongMin);
    EXPECT_EQ(all.text(3, konfig::Name), "");
    EXPECT_EQ(all.text(2, konfig::Type), "Спр");
    EXPECT_EQ(all.text(0, konfig::ModText), "") << "memo content is not loaded";

    EXPECT_EQ(database.query("SELECT * FROM structura").text(0, 1), longTreeText());
    EXPECT_EQ(database
                  .query("SELECT * FROM prosedur WHERE ( ((prosedur.id_parent)=3)) ORDER BY "
                         "prosedur.id;")
                  .text(0, 5),
              "Процедура");

    KonfigTable table;
    table.open(database);
    EXPECT_TRUE(table.locate("name", "СПРАВОЧНИКИ", {true, false}));
    EXPECT_EQ(table.fieldAsInteger(konfig::Num), 2);
}

TEST_F(JetBazaTest, LeavesTheFileUntouchedAndCreatesNoLockFile) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    const QDateTime modified = QFileInfo(path).lastModified();
    {
        Database database;
        database.open(path);
        database.query("SELECT * FROM konfigtree order by name;");
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Baza.mdb"});
}

} // namespace
} // namespace kelvane
