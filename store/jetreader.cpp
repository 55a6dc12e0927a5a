#include "store/jetreader.h"

#include "store/error.h"
#include "store/jettext.h"

#include <QFile>
#include <charconv>
#include <cstring>
#include <mdbtools.h>

namespace kelvane {

namespace {

SourceColumn::Kind kindOf(const MdbColumn* column) {
    switch (column->col_type) {
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return SourceColumn::Kind::Integer;
    case MDB_TEXT:
        return SourceColumn::Kind::Text;
    case MDB_MEMO:
        return SourceColumn::Kind::Memo;
    case MDB_OLE:
        return SourceColumn::Kind::Binary;
    default:
        return SourceColumn::Kind::Other;
    }
}

MdbColumn* columnAt(MdbTableDef* table, int position) {
    return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, static_cast<guint>(position)));
}

// Reads the current row's memo value of `column` whole, as the stored bytes.
QByteArray readMemo(MdbHandle* mdb, MdbColumn* column, std::vector<char>& page) {
    if (column->cur_value_len < MDB_MEMO_OVERHEAD)
        return {};
    unsigned char header[MDB_MEMO_OVERHEAD];
    std::memcpy(header, mdb->pg_buf + column->cur_value_start, MDB_MEMO_OVERHEAD);
    const auto word = static_cast<std::uint32_t>(mdb_get_int32(header, 0));
    const qsizetype length = (word & 0x80000000u) ? column->cur_value_len - MDB_MEMO_OVERHEAD
                                                  : static_cast<qsizetype>(word & 0x3FFFFFFFu);
    QByteArray stored;
    stored.reserve(length);
    column->bind_ptr = page.data();
    for (std::size_t piece = mdb_ole_read(mdb, column, header, MDB_PGSIZE);
         piece > 0 && stored.size() < length; piece = mdb_ole_read_next(mdb, column, header))
        stored.append(page.data(), static_cast<qsizetype>(std::min<std::size_t>(
                                       piece, static_cast<std::size_t>(length - stored.size()))));
    column->bind_ptr = nullptr;
    return stored;
}

} // namespace

struct JetReader::Impl {
    MdbHandle* mdb = nullptr;
    std::vector<MdbCatalogEntry*> entries;
    std::map<MdbCatalogEntry*, MdbTableDef*> tables;

    MdbTableDef* table(const QString& name) {
        for (MdbCatalogEntry* entry : entries) {
            if (QString::fromUtf8(entry->object_name) != name)
                continue;
            auto& table = tables[entry];
            if (!table) {
                table = mdb_read_table(entry);
                if (!table)
                    throw Error(
                        QStringLiteral("Не удалось прочитать описание таблицы %1").arg(name));
                if (!mdb_read_columns(table) || table->columns->len < table->num_cols) {
                    mdb_free_tabledef(table);
                    tables.erase(entry);
                    throw Error(
                        QStringLiteral("Не удалось прочитать столбцы таблицы %1").arg(name));
                }
            }
            return table;
        }
        throw Error(QStringLiteral("Таблица %1 не найдена в базе данных").arg(name));
    }
};

JetReader::JetReader(const QString& path)
    : impl_(std::make_unique<Impl>()) {
    impl_->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!impl_->mdb)
        throw Error(QStringLiteral("Не удалось открыть базу данных Jet %1").arg(path));
    if (impl_->mdb->f->jet_version != MDB_VER_JET4) {
        mdb_close(impl_->mdb);
        throw Error(QStringLiteral("Файл %1 не является базой данных Jet 4.0").arg(path));
    }
    if (!mdb_read_catalog(impl_->mdb, MDB_TABLE)) {
        mdb_close(impl_->mdb);
        throw Error(QStringLiteral("Не удалось прочитать список таблиц файла %1").arg(path));
    }
    for (guint i = 0; i < impl_->mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(impl_->mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            impl_->entries.push_back(entry);
    }
}

JetReader::~JetReader() {
    for (auto& [entry, table] : impl_->tables)
        mdb_free_tabledef(table);
    mdb_close(impl_->mdb);
}

QStringList JetReader::tableNames() const {
    QStringList names;
    for (const MdbCatalogEntry* entry : impl_->entries)
        names << QString::fromUtf8(entry->object_name);
    return names;
}

std::optional<QString> JetReader::findTable(const QString& name) const {
    for (const QString& found : tableNames())
        if (found.compare(name, Qt::CaseInsensitive) == 0)
            return found;
    return std::nullopt;
}

std::vector<SourceColumn> JetReader::columns(const QString& table) const {
    MdbTableDef* def = impl_->table(table);
    std::vector<SourceColumn> result;
    for (guint i = 0; i < def->num_cols; ++i) {
        const MdbColumn* column = columnAt(def, static_cast<int>(i));
        result.push_back({QString::fromUtf8(column->name), kindOf(column)});
    }
    return result;
}

void JetReader::readRows(const QString& table, const std::vector<int>& positions,
                         const RowSink& sink) {
    MdbHandle* mdb = impl_->mdb;
    MdbTableDef* def = impl_->table(table);
    for (guint i = 0; i < def->num_cols; ++i) {
        columnAt(def, static_cast<int>(i))->bind_ptr = nullptr;
        columnAt(def, static_cast<int>(i))->len_ptr = nullptr;
    }

    struct Read {
        int position;
        MdbColumn* column;
        SourceColumn::Kind kind;
        std::vector<char> buffer; // bind buffer, or one page for memo pieces
        int length = 0;
    };
    std::vector<Read> reads;
    reads.reserve(positions.size());
    for (int position : positions) {
        if (position < 0 || position >= static_cast<int>(def->num_cols))
            throw Error(
                QStringLiteral("В таблице %1 нет столбца номер %2").arg(table).arg(position));
        MdbColumn* column = columnAt(def, position);
        const SourceColumn::Kind kind = kindOf(column);
        if (kind == SourceColumn::Kind::Binary)
            throw Error(QStringLiteral("Столбец %1.%2 двоичный и не читается")
                            .arg(table, QString::fromUtf8(column->name)));
        const std::size_t size = kind == SourceColumn::Kind::Memo ? MDB_PGSIZE : mdb->bind_size;
        reads.push_back({position, column, kind, std::vector<char>(size), 0});
    }
    for (Read& read : reads)
        if (read.kind != SourceColumn::Kind::Memo)
            mdb_bind_column(def, read.position + 1, read.buffer.data(), &read.length);

    std::vector<SourceField> fields(reads.size());
    std::vector<QByteArray> memos(reads.size());
    mdb_rewind_table(def);
    while (mdb_fetch_row(def)) {
        for (std::size_t i = 0; i < reads.size(); ++i) {
            Read& read = reads[i];
            SourceField& field = fields[i];
            if (read.kind == SourceColumn::Kind::Memo) {
                memos[i] = decodeJetText(readMemo(mdb, read.column, read.buffer)).toUtf8();
                field = {SourceField::Kind::Text, 0,
                         std::string_view(memos[i].constData(),
                                          static_cast<std::size_t>(memos[i].size()))};
                continue;
            }
            const std::string_view text(read.buffer.data(), static_cast<std::size_t>(read.length));
            if (read.kind != SourceColumn::Kind::Integer) {
                field = {SourceField::Kind::Text, 0, text};
                continue;
            }
            std::int64_t value = 0;
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), value);
            if (text.empty() || error != std::errc() || end != text.data() + text.size())
                field = {};
            else
                field = {SourceField::Kind::Integer, value, {}};
        }
        sink(fields);
    }
    for (Read& read : reads)
        read.column->bind_ptr = nullptr;
    for (Read& read : reads)
        read.column->len_ptr = nullptr;
}

} // namespace kelvane
