#include "tools/jetwriter/tablewriter.h"

#include "store/error.h"
#include "tools/jetwriter/datapage.h"
#include "tools/jetwriter/littleendian.h"
#include "tools/jetwriter/textencoding.h"

#include <algorithm>
#include <limits>

namespace kelvane::jet {

// Memo values up to this many stored bytes stay in the row, as Access keeps them.
static constexpr std::size_t InlineMemoMax = 64;
// Stored lengths travel in 24 bits of the field header.
static constexpr std::size_t MemoMax = 0xFFFFFF;

static QString typeName(ColumnType type) {
    switch (type) {
    case ColumnType::Byte:
        return QStringLiteral("байт");
    case ColumnType::Integer:
        return QStringLiteral("целое");
    case ColumnType::Long:
        return QStringLiteral("длинное целое");
    case ColumnType::AutoNumber:
        return QStringLiteral("счётчик");
    case ColumnType::Text:
        return QStringLiteral("текст");
    case ColumnType::Memo:
        return QStringLiteral("поле MEMO");
    case ColumnType::Ole:
        return QStringLiteral("поле объекта OLE");
    }
    return {};
}

static QString place(const TableLayout& layout, const ColumnLayout& column, std::size_t rowNumber) {
    return QStringLiteral("таблица «%1», строка %2, столбец «%3»")
        .arg(layout.tableName())
        .arg(rowNumber)
        .arg(column.definition.name);
}

TableWriter::TableWriter(PageFile& file, const TableLayout& layout, std::uint32_t definitionPage)
    : layout_(layout)
    , placer_(file, definitionPage)
    , longValues_(file)
    , nullMask_(static_cast<std::size_t>(layout.nullMaskSize()))
    , varData_(static_cast<std::size_t>(layout.varCount()))
    , storage_(static_cast<std::size_t>(layout.varCount())) {}

void TableWriter::writeRow(const std::vector<Value>& values, std::size_t rowNumber) {
    const std::vector<ColumnLayout>& columns = layout_.columns();
    if (values.size() != columns.size()) {
        throw Error(QStringLiteral("Таблица «%1», строка %2: %3 значений, а столбцов %4")
                        .arg(layout_.tableName())
                        .arg(rowNumber)
                        .arg(values.size())
                        .arg(columns.size()));
    }
    row_.assign(2 + static_cast<std::size_t>(layout_.fixedSize()), 0);
    putU16(row_.data(), static_cast<std::uint32_t>(columns.size()));
    std::fill(nullMask_.begin(), nullMask_.end(), 0);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Value& value = values[c];
        if (!std::holds_alternative<std::monostate>(value)) {
            nullMask_[c / 8] |= static_cast<std::uint8_t>(1u << (c % 8));
        }
        if (columns[c].fixed) {
            encodeFixed(columns[c], value, rowNumber);
        } else {
            encodeVariable(columns[c], value, rowNumber);
        }
    }
    if (rowLength() > datapage::MaxRowLength) {
        for (const ColumnLayout& column : columns) {
            const auto k = static_cast<std::size_t>(column.varIndex);
            if (column.definition.type == ColumnType::Memo && storage_[k] == Storage::Inline &&
                !varData_[k].empty()) {
                storage_[k] = Storage::LongValue;
            }
        }
    }
    if (rowLength() > datapage::MaxRowLength) {
        throw Error(QStringLiteral("Таблица «%1», строка %2: строка занимает %3 байт и не "
                                   "помещается на страницу (не более %4 байт)")
                        .arg(layout_.tableName())
                        .arg(rowNumber)
                        .arg(rowLength())
                        .arg(datapage::MaxRowLength));
    }
    assemble();
    placer_.place(row_.data(), static_cast<int>(row_.size()));
    ++rowCount_;
}

void TableWriter::encodeFixed(const ColumnLayout& column, const Value& value,
                              std::size_t rowNumber) {
    if (std::holds_alternative<std::monostate>(value)) {
        return;
    }
    const auto* number = std::get_if<std::int64_t>(&value);
    if (number == nullptr) {
        throw Error(QStringLiteral("%1: ожидается число (тип столбца: %2), передан текст")
                        .arg(place(layout_, column, rowNumber), typeName(column.definition.type)));
    }
    std::int64_t low = std::numeric_limits<std::int32_t>::min();
    std::int64_t high = std::numeric_limits<std::int32_t>::max();
    if (column.definition.type == ColumnType::Byte) {
        low = 0;
        high = 255;
    } else if (column.definition.type == ColumnType::Integer) {
        low = std::numeric_limits<std::int16_t>::min();
        high = std::numeric_limits<std::int16_t>::max();
    }
    if (*number < low || *number > high) {
        throw Error(QStringLiteral("%1: значение %2 вне допустимого диапазона от %3 до %4")
                        .arg(place(layout_, column, rowNumber))
                        .arg(*number)
                        .arg(low)
                        .arg(high));
    }
    std::uint8_t* at = row_.data() + 2 + column.fixedOffset;
    const auto bits = static_cast<std::uint32_t>(*number);
    if (column.length == 1) {
        putU8(at, bits);
    } else if (column.length == 2) {
        putU16(at, bits);
    } else {
        putU32(at, bits);
    }
    if (column.definition.type == ColumnType::AutoNumber && *number > lastAutoNumber_) {
        lastAutoNumber_ = bits;
    }
}

void TableWriter::encodeVariable(const ColumnLayout& column, const Value& value,
                                 std::size_t rowNumber) {
    const auto k = static_cast<std::size_t>(column.varIndex);
    std::vector<std::uint8_t>& data = varData_[k];
    data.clear();
    storage_[k] = Storage::Null;
    if (std::holds_alternative<std::monostate>(value)) {
        return;
    }
    const ColumnType type = column.definition.type;
    if (type == ColumnType::Ole) {
        throw Error(QStringLiteral("%1: поле объекта OLE записывается только пустым (NULL)")
                        .arg(place(layout_, column, rowNumber)));
    }
    const auto* text = std::get_if<QString>(&value);
    if (text == nullptr) {
        throw Error(QStringLiteral("%1: ожидается текст (тип столбца: %2), передано число")
                        .arg(place(layout_, column, rowNumber), typeName(type)));
    }
    if (type == ColumnType::Text && text->size() > column.definition.textLength) {
        throw Error(QStringLiteral("%1: текст из %2 символов длиннее столбца (не более %3)")
                        .arg(place(layout_, column, rowNumber))
                        .arg(text->size())
                        .arg(column.definition.textLength));
    }
    if (!appendStoredText(*text, data)) {
        throw Error(QStringLiteral("%1: текст начинается с символа U+FEFF и содержит символы, "
                                   "с которыми его нельзя сохранить")
                        .arg(place(layout_, column, rowNumber)));
    }
    if (type == ColumnType::Memo && data.size() > MemoMax) {
        throw Error(QStringLiteral("%1: текст занимает %2 байт, допускается не более %3")
                        .arg(place(layout_, column, rowNumber))
                        .arg(data.size())
                        .arg(MemoMax));
    }
    const bool outside = type == ColumnType::Memo && data.size() > InlineMemoMax;
    storage_[k] = outside ? Storage::LongValue : Storage::Inline;
}

int TableWriter::rowLength() const {
    std::size_t length = row_.size() + nullMask_.size();
    if (layout_.varCount() > 0) {
        length += 4 + 2 * static_cast<std::size_t>(layout_.varCount());
    }
    for (const ColumnLayout& column : layout_.columns()) {
        if (column.fixed) {
            continue;
        }
        const auto k = static_cast<std::size_t>(column.varIndex);
        const bool memo = column.definition.type == ColumnType::Memo;
        if (storage_[k] == Storage::LongValue) {
            length += LongValueWriter::FieldHeaderSize;
        } else if (storage_[k] == Storage::Inline) {
            length += varData_[k].size() + (memo ? LongValueWriter::FieldHeaderSize : 0);
        }
    }
    return static_cast<int>(std::min<std::size_t>(length, std::numeric_limits<int>::max()));
}

void TableWriter::assemble() {
    const int varCount = layout_.varCount();
    if (varCount > 0) {
        std::vector<std::uint16_t> starts(static_cast<std::size_t>(varCount));
        for (const ColumnLayout& column : layout_.columns()) {
            if (column.fixed) {
                continue;
            }
            const auto k = static_cast<std::size_t>(column.varIndex);
            starts[k] = static_cast<std::uint16_t>(row_.size());
            const std::vector<std::uint8_t>& data = varData_[k];
            if (column.definition.type != ColumnType::Memo || storage_[k] == Storage::Null) {
                row_.insert(row_.end(), data.begin(), data.end());
                continue;
            }
            std::uint8_t header[LongValueWriter::FieldHeaderSize] = {};
            if (storage_[k] == Storage::Inline) {
                putU32(header, static_cast<std::uint32_t>(data.size()) | 0x80000000u);
                row_.insert(row_.end(), header, header + sizeof header);
                row_.insert(row_.end(), data.begin(), data.end());
            } else {
                longValues_.store(data.data(), data.size(), header);
                row_.insert(row_.end(), header, header + sizeof header);
            }
        }
        const std::size_t tail = row_.size();
        row_.resize(tail + 4 + 2 * static_cast<std::size_t>(varCount));
        std::uint8_t* at = row_.data() + tail;
        putU16(at, static_cast<std::uint32_t>(tail));
        at += 2;
        for (int k = varCount - 1; k >= 0; --k) {
            putU16(at, starts[static_cast<std::size_t>(k)]);
            at += 2;
        }
        putU16(at, static_cast<std::uint32_t>(varCount));
    }
    row_.insert(row_.end(), nullMask_.begin(), nullMask_.end());
}

} // namespace kelvane::jet
