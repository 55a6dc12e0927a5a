#include "tests/jetwriter/mdbreadback.h"

#include "store/error.h"

#include <QStringDecoder>
#include <mdbtools.h>
#include <memory>

namespace kelvane::test {

namespace {

// UTF-8 to QString keeping a leading U+FEFF, which is a character of the stored value.
QString fromUtf8(const char* text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(text));
}

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

// Reads the whole memo value of the current row, following the stored header.
QString readMemo(MdbHandle* mdb, MdbColumn* column) {
    unsigned char header[MDB_MEMO_OVERHEAD];
    memcpy(header, mdb->pg_buf + column->cur_value_start, MDB_MEMO_OVERHEAD);
    const guint32 word = static_cast<guint32>(mdb_get_int32(header, 0));
    const std::size_t length = (word & 0x80000000u)
                                   ? static_cast<std::size_t>(column->cur_value_len) - 12
                                   : (word & 0x3FFFFFFFu);
    QByteArray raw;
    std::vector<char> chunk(MDB_PGSIZE);
    column->bind_ptr = chunk.data();
    std::size_t got = mdb_ole_read(mdb, column, header, MDB_PGSIZE);
    while (got > 0 && static_cast<std::size_t>(raw.size()) < length) {
        raw.append(chunk.data(), static_cast<qsizetype>(got));
        got = mdb_ole_read_next(mdb, column, header);
    }
    column->bind_ptr = nullptr;
    raw.truncate(static_cast<qsizetype>(length));
    std::vector<char> text(2 * raw.size() + 1);
    mdb_unicode2ascii(mdb, raw.constData(), static_cast<size_t>(raw.size()), text.data(),
                      text.size());
    return fromUtf8(text.data());
}

} // namespace

ReadTable readBack(const QString& path, const QString& tableName) {
    std::unique_ptr<MdbHandle, HandleCloser> mdb(
        mdb_open(path.toLocal8Bit().constData(), MDB_NOFLAGS));
    if (!mdb || !mdb_read_catalog(mdb.get(), MDB_TABLE)) {
        throw Error(QStringLiteral("libmdb не открыл %1").arg(path));
    }
    MdbCatalogEntry* entry = nullptr;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* candidate = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (candidate->object_type == MDB_TABLE &&
            QString::fromUtf8(candidate->object_name) == tableName) {
            entry = candidate;
        }
    }
    if (entry == nullptr) {
        throw Error(QStringLiteral("нет таблицы %1").arg(tableName));
    }
    std::unique_ptr<MdbTableDef, TableFreer> table(mdb_read_table(entry));
    mdb_read_columns(table.get());
    ReadTable result;
    const unsigned count = table->num_cols;
    std::vector<std::vector<char>> bound(count);
    for (unsigned c = 0; c < count; ++c) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
        result.columns << QString::fromUtf8(column->name);
        result.types.push_back(column->col_type);
        result.autoNumber.push_back(column->is_long_auto != 0);
        if (column->col_type != MDB_MEMO) {
            bound[c].resize(mdb->bind_size);
            mdb_bind_column(table.get(), static_cast<int>(c + 1), bound[c].data(), nullptr);
        }
    }
    std::vector<MdbField> fields(256);
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        int start = 0;
        size_t length = 0;
        mdb_find_row(mdb.get(), static_cast<int>(table->cur_row) - 1, &start, &length);
        mdb_crack_row(table.get(), start, length, fields.data());
        std::vector<std::optional<QString>> row;
        for (unsigned c = 0; c < count; ++c) {
            auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
            if (fields[c].is_null) {
                row.emplace_back();
            } else if (column->col_type == MDB_MEMO) {
                row.emplace_back(readMemo(mdb.get(), column));
            } else {
                row.emplace_back(fromUtf8(bound[c].data()));
            }
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

} // namespace kelvane::test
