#include "tools/jetwriter/databasewriter.h"

#include "store/error.h"
#include "tools/jetwriter/headerpage.h"
#include "tools/jetwriter/pagefile.h"
#include "tools/jetwriter/pageplacer.h"
#include "tools/jetwriter/tablelayout.h"
#include "tools/jetwriter/tablewriter.h"
#include "tools/jetwriter/usagemap.h"

#include <QSaveFile>
#include <QSet>
#include <algorithm>

namespace kelvane::jet {

static const QString CatalogName = QStringLiteral("MSysObjects");
// Readers look for the catalog's definition on page 2.
static constexpr std::uint32_t CatalogPage = 2;
// Parent of every table: the "Tables" container of Access files.
static constexpr std::int64_t TablesContainer = 0x0F000001;
static constexpr std::int64_t TableType = 1;
static constexpr std::int64_t SystemTableFlags = -0x7FFFFFFF - 1; // 0x80000000

namespace {

// A table after its rows are written: where its pages are and what its definition records.
struct WrittenTable {
    const TableLayout* layout = nullptr;
    std::uint32_t definitionPage = 0;
    std::vector<std::uint32_t> dataPages;
    TableState state;
};

WrittenTable writeRows(PageFile& file, const TableLayout& layout, std::uint32_t definitionPage,
                       const std::vector<std::vector<Value>>& rows) {
    TableWriter writer(file, layout, definitionPage);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        writer.writeRow(rows[r], r + 1);
    }
    WrittenTable written;
    written.layout = &layout;
    written.definitionPage = definitionPage;
    written.dataPages = writer.dataPages();
    written.state.rowCount = writer.rowCount();
    written.state.lastAutoNumber = writer.lastAutoNumber();
    return written;
}

std::vector<ColumnSpec> catalogColumns() {
    return {{QStringLiteral("Id"), ColumnType::Long, 255},
            {QStringLiteral("ParentId"), ColumnType::Long, 255},
            {QStringLiteral("Name"), ColumnType::Text, 255},
            {QStringLiteral("Type"), ColumnType::Integer, 255},
            {QStringLiteral("Flags"), ColumnType::Long, 255},
            {QStringLiteral("LvProp"), ColumnType::Ole, 255}};
}

void save(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        throw Error(
            QStringLiteral("Не удалось создать файл «%1»: %2").arg(path, out.errorString()));
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (out.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !out.commit()) {
        throw Error(
            QStringLiteral("Не удалось записать файл «%1»: %2").arg(path, out.errorString()));
    }
}

} // namespace

void DatabaseWriter::setInlineMapLimit(std::size_t bytes) {
    inlineMapLimit_ = std::min(bytes, MaxInlineMap);
}

void DatabaseWriter::write(const QString& path, const std::vector<TableSpec>& tables) const {
    QSet<QString> names{CatalogName.toCaseFolded()};
    // Written tables point into layouts: room for the catalog's layout keeps them valid.
    std::vector<TableLayout> layouts;
    layouts.reserve(tables.size() + 1);
    for (const TableSpec& table : tables) {
        if (names.contains(table.name.toCaseFolded())) {
            throw Error(QStringLiteral("Таблица «%1» встречается дважды или совпадает по имени с "
                                       "системной")
                            .arg(table.name));
        }
        names.insert(table.name.toCaseFolded());
        layouts.emplace_back(table.name, table.columns, false);
    }

    PageFile file;
    writeHeaderPage(file.page(file.addPage()));
    const std::uint32_t mapPage = file.addPage();
    file.addPage(); // the catalog's definition, filled in at the end

    std::vector<WrittenTable> written;
    std::vector<std::vector<Value>> catalogRows;
    catalogRows.push_back({std::int64_t{CatalogPage}, TablesContainer, CatalogName, TableType,
                           SystemTableFlags, std::monostate{}});
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const std::uint32_t definitionPage = file.addPage();
        written.push_back(writeRows(file, layouts[t], definitionPage, tables[t].rows));
        catalogRows.push_back({std::int64_t{definitionPage}, TablesContainer, tables[t].name,
                               TableType, std::int64_t{0}, std::monostate{}});
    }
    layouts.emplace_back(CatalogName, catalogColumns(), true);
    written.push_back(writeRows(file, layouts.back(), CatalogPage, catalogRows));

    PagePlacer maps(file, 0);
    maps.startOn(mapPage);
    for (WrittenTable& table : written) {
        const std::vector<std::uint8_t> used =
            buildUsageMap(file, table.dataPages, inlineMapLimit_);
        const std::vector<std::uint8_t> free = buildUsageMap(file, {}, inlineMapLimit_);
        table.state.usedMap = maps.place(used.data(), static_cast<int>(used.size())).pointer;
        table.state.freeMap = maps.place(free.data(), static_cast<int>(free.size())).pointer;
        table.layout->writeDefinition(file.page(table.definitionPage), table.state);
    }
    save(path, file.bytes());
}

} // namespace kelvane::jet
