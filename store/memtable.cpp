#include "store/memtable.h"

#include "store/error.h"

#include <algorithm>

namespace kelvane {

QString cutText(const QString& text) {
    if (text.size() <= MemTable::MaxTextLength)
        return text;
    qsizetype length = MemTable::MaxTextLength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

MemTable::MemTable(QString name, std::vector<ColumnDef> columns, bool autoIncrementId)
    : name_(std::move(name))
    , columns_(std::move(columns))
    , autoIncrement_(autoIncrementId) {}

int MemTable::columnPosition(const QString& column) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].name.compare(column, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void MemTable::changed() {
    if (onDataChange_)
        onDataChange_();
    if (onViewChange_)
        onViewChange_();
}

void MemTable::open() {
    rows_.clear();
    current_ = -1;
    eof_ = bof_ = true;
    open_ = true;
    changed();
}

void MemTable::close() {
    rows_.clear();
    current_ = -1;
    eof_ = bof_ = true;
    open_ = false;
    changed();
}

void MemTable::requireOpen() const {
    if (!open_)
        throw Error(QStringLiteral("%1: операция невозможна, набор данных не открыт").arg(name_));
}

void MemTable::requireCurrent() const {
    requireOpen();
    if (current_ < 0)
        throw Error(QStringLiteral("%1: нет текущей записи").arg(name_));
}

QVariant MemTable::normalised(int position, const QVariant& value) const {
    if (columns_.at(static_cast<std::size_t>(position)).kind == Kind::Integer)
        return QVariant(value.toLongLong());
    return QVariant(cutText(value.toString()));
}

// Moves the current row to its place in id order (after rows with the same id); it stays current.
void MemTable::placeCurrent() {
    auto row = std::move(rows_[static_cast<std::size_t>(current_)]);
    rows_.erase(rows_.begin() + current_);
    const std::int64_t id = row[0].toLongLong();
    auto place = std::upper_bound(rows_.begin(), rows_.end(), id,
                                  [](std::int64_t key, const std::vector<QVariant>& other) {
                                      return key < other[0].toLongLong();
                                  });
    current_ = static_cast<int>(place - rows_.begin());
    rows_.insert(place, std::move(row));
}

std::int64_t MemTable::insert(std::vector<QVariant> values, std::int64_t id) {
    requireOpen();
    std::vector<QVariant> row(columns_.size());
    row[0] = QVariant(static_cast<qlonglong>(autoIncrement_ ? nextId_++ : id));
    for (std::size_t i = 1; i < columns_.size(); ++i)
        row[i] =
            normalised(static_cast<int>(i), i - 1 < values.size() ? values[i - 1] : QVariant());
    rows_.push_back(std::move(row));
    current_ = recordCount() - 1;
    placeCurrent();
    eof_ = bof_ = false;
    changed();
    return rows_[static_cast<std::size_t>(current_)][0].toLongLong();
}

void MemTable::setField(int position, const QVariant& value) {
    requireCurrent();
    if (position < 0 || position >= static_cast<int>(columns_.size()))
        throw Error(QStringLiteral("%1: поле с номером %2 не существует").arg(name_).arg(position));
    rows_[static_cast<std::size_t>(current_)][static_cast<std::size_t>(position)] =
        normalised(position, value);
    if (position == 0)
        placeCurrent();
    changed();
}

void MemTable::deleteCurrent() {
    requireCurrent();
    rows_.erase(rows_.begin() + current_);
    if (current_ >= recordCount())
        current_ = recordCount() - 1;
    eof_ = bof_ = rows_.empty();
    changed();
}

void MemTable::clear() {
    requireOpen();
    rows_.clear();
    current_ = -1;
    eof_ = bof_ = true;
    changed();
}

void MemTable::first() {
    requireOpen();
    current_ = rows_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.empty();
    changed();
}

void MemTable::next() {
    requireOpen();
    bof_ = rows_.empty();
    if (current_ + 1 < recordCount())
        ++current_;
    else
        eof_ = true;
    changed();
}

void MemTable::prior() {
    requireOpen();
    eof_ = rows_.empty();
    if (current_ > 0)
        --current_;
    else
        bof_ = true;
    changed();
}

void MemTable::setRecNo(int recNo) {
    requireOpen();
    if (recNo < 1 || recNo > recordCount() || recNo == current_ + 1)
        return;
    current_ = recNo - 1;
    eof_ = bof_ = false;
    changed();
}

bool MemTable::locate(int position, const QVariant& value) {
    requireOpen();
    const QVariant key = normalised(position, value);
    for (int row = 0; row < recordCount(); ++row) {
        if (rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(position)] == key) {
            current_ = row;
            eof_ = bof_ = false;
            changed();
            return true;
        }
    }
    return false;
}

std::int64_t MemTable::fieldAsInteger(int position) const {
    requireCurrent();
    return value(current_, position).toLongLong();
}

QString MemTable::fieldAsText(int position) const {
    requireCurrent();
    return value(current_, position).toString();
}

QVariant MemTable::value(int row, int position) const {
    return rows_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(position));
}

} // namespace kelvane
