#include "tools/jetwriter/tablelayout.h"

#include "store/error.h"
#include "tools/jetwriter/littleendian.h"
#include "tools/jetwriter/pagefile.h"

#include <QSet>

namespace kelvane::jet {

static constexpr int MaxNameLength = 64;
static constexpr int MaxColumns = 255;
static constexpr int ColumnsAt = 0x3F;
static constexpr int DescriptorSize = 25;

static std::uint8_t typeCode(ColumnType type) {
    switch (type) {
    case ColumnType::Byte:
        return 0x02;
    case ColumnType::Integer:
        return 0x03;
    case ColumnType::Long:
    case ColumnType::AutoNumber:
        return 0x04;
    case ColumnType::Text:
        return 0x0A;
    case ColumnType::Ole:
        return 0x0B;
    case ColumnType::Memo:
        return 0x0C;
    }
    return 0;
}

static int fixedLength(ColumnType type) {
    switch (type) {
    case ColumnType::Byte:
        return 1;
    case ColumnType::Integer:
        return 2;
    case ColumnType::Long:
    case ColumnType::AutoNumber:
        return 4;
    default:
        return 0;
    }
}

static void checkName(const QString& name, const QString& what) {
    if (name.trimmed().isEmpty()) {
        throw Error(QStringLiteral("Пустое имя: %1").arg(what));
    }
    if (name.size() > MaxNameLength) {
        throw Error(QStringLiteral("Имя «%1» длиннее %2 символов: %3")
                        .arg(name)
                        .arg(MaxNameLength)
                        .arg(what));
    }
}

TableLayout::TableLayout(const QString& tableName, const std::vector<ColumnSpec>& columns,
                         bool system)
    : tableName_(tableName)
    , system_(system) {
    checkName(tableName, QStringLiteral("таблица"));
    if (columns.empty()) {
        throw Error(QStringLiteral("В таблице «%1» нет столбцов").arg(tableName));
    }
    if (columns.size() > MaxColumns) {
        throw Error(QStringLiteral("В таблице «%1» %2 столбцов, допускается не более %3")
                        .arg(tableName)
                        .arg(columns.size())
                        .arg(MaxColumns));
    }
    QSet<QString> names;
    for (const ColumnSpec& definition : columns) {
        checkName(definition.name, QStringLiteral("столбец таблицы «%1»").arg(tableName));
        const QString folded = definition.name.toCaseFolded();
        if (names.contains(folded)) {
            throw Error(QStringLiteral("В таблице «%1» два столбца с именем «%2»")
                            .arg(tableName, definition.name));
        }
        names.insert(folded);
        ColumnLayout column;
        column.definition = definition;
        column.fixed = fixedLength(definition.type) > 0;
        if (column.fixed) {
            column.length = fixedLength(definition.type);
            column.fixedOffset = fixedSize_;
            fixedSize_ += column.length;
        } else {
            if (definition.type == ColumnType::Text) {
                if (definition.textLength < 1 || definition.textLength > 255) {
                    throw Error(QStringLiteral("Столбец «%1» таблицы «%2»: длина текста %3, "
                                               "допускается от 1 до 255")
                                    .arg(definition.name, tableName)
                                    .arg(definition.textLength));
                }
                column.length = 2 * definition.textLength;
            }
            column.varIndex = varCount_++;
        }
        columns_.push_back(column);
    }
    if (definitionLength() > PageSize) {
        throw Error(QStringLiteral("Описание таблицы «%1» (%2 столбцов) не помещается на одну "
                                   "страницу: уменьшите число столбцов или длину их имён")
                        .arg(tableName)
                        .arg(columns.size()));
    }
}

int TableLayout::definitionLength() const {
    int length = ColumnsAt + DescriptorSize * static_cast<int>(columns_.size());
    for (const ColumnLayout& column : columns_) {
        length += 2 + 2 * static_cast<int>(column.definition.name.size());
    }
    return length + 2;
}

void TableLayout::writeDefinition(std::uint8_t* page, const TableState& state) const {
    const int length = definitionLength();
    const auto count = static_cast<std::uint32_t>(columns_.size());
    putU8(page, 0x02);
    putU8(page + 0x01, 0x01);
    putU16(page + 0x02, static_cast<std::uint32_t>(PageSize - 8 - length));
    putU32(page + 0x08, static_cast<std::uint32_t>(length));
    putU32(page + 0x10, state.rowCount);
    putU32(page + 0x14, state.lastAutoNumber);
    putU8(page + 0x18, 0x01);
    putU8(page + 0x28, system_ ? 0x53 : 0x4E);
    putU16(page + 0x29, count);
    putU16(page + 0x2B, static_cast<std::uint32_t>(varCount_));
    putU16(page + 0x2D, count);
    putU32(page + 0x37, state.usedMap);
    putU32(page + 0x3B, state.freeMap);

    std::uint8_t* at = page + ColumnsAt;
    for (std::uint32_t number = 0; number < count; ++number) {
        const ColumnLayout& column = columns_[number];
        const ColumnType type = column.definition.type;
        std::uint8_t flags = column.fixed ? 0x03 : 0x02;
        if (type == ColumnType::AutoNumber) {
            flags |= 0x04;
        }
        if (system_) {
            flags |= 0x10;
        }
        const bool text = type == ColumnType::Text || type == ColumnType::Memo;
        putU8(at, typeCode(type));
        putU16(at + 5, number);
        putU16(at + 7, static_cast<std::uint32_t>(column.varIndex));
        putU16(at + 9, number);
        putU16(at + 11, 0x0409);
        putU8(at + 15, flags);
        putU8(at + 16, text ? 0x01 : 0x00);
        putU16(at + 21, static_cast<std::uint32_t>(column.fixedOffset));
        putU16(at + 23, static_cast<std::uint32_t>(column.length));
        at += DescriptorSize;
    }
    for (const ColumnLayout& column : columns_) {
        const QString& name = column.definition.name;
        putU16(at, 2 * static_cast<std::uint32_t>(name.size()));
        at += 2;
        for (const QChar c : name) {
            putU16(at, c.unicode());
            at += 2;
        }
    }
    putU16(at, 0xFFFF);
}

} // namespace kelvane::jet
