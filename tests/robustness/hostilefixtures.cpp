#include "tests/robustness/hostilefixtures.h"

#include <QFile>
#include <gtest/gtest.h>
#include <stdexcept>

namespace kelvane::test {

namespace {

constexpr int PageSize = 4096;

const char* const TinyDescription = "Конф | Configuration\n"
                                    "  Общие | CommonNode\n"
                                    "    Роли | Roles\n"
                                    "  Справочники | Catalogs\n"
                                    "    Товары | Catalog\n"
                                    "      Реквизиты | AttributesGroup\n"
                                    "        Цена | Attribute type=Ч imageindextype=2\n"
                                    "      процедура ПередЗаписью\n"
                                    "      функция ЦенаПоУмолчанию\n"
                                    "  Документы | Documents\n";

} // namespace

builder::Tables tinyTables() {
    return builder::buildTables(builder::parseDescription(QString::fromUtf8(TinyDescription)));
}

void writeJet(const QString& path, const Edit& edit) {
    std::vector<jet::TableSpec> tables = tinyTables().all();
    if (edit)
        edit(tables);
    builder::writeTables(path, tables, builder::Format::Jet);
}

jet::TableSpec& tableNamed(std::vector<jet::TableSpec>& tables, const QString& name) {
    for (jet::TableSpec& table : tables)
        if (table.name == name)
            return table;
    throw std::invalid_argument("no such fixture table");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

std::vector<int> pagesOfType(const QByteArray& file, char type) {
    std::vector<int> pages;
    for (int page = 1; (page + 1) * PageSize <= file.size(); ++page)
        if (file.at(page * PageSize) == type)
            pages.push_back(page);
    return pages;
}

} // namespace kelvane::test
