#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <vector>

namespace kelvane {

// The in-memory table type behind MemRazdel, MemNavig and MemKordinat: rows with fields by
// position, column 0 the key `id`, always held in ascending `id` order (a stored row moves to its
// place and stays current; rows with equal ids keep their insertion order). With an autoincrement
// key, ids count 1, 2, 3, ... and are never reused, not even after every row is deleted or the
// table is reopened. Text fields keep at most 255 characters. Every change of content, state or
// current row runs the change notification.
class MemTable {
public:
    enum class Kind { Integer, Text };
    struct ColumnDef {
        QString name;
        Kind kind;
    };

    static constexpr int MaxTextLength = 255;

    MemTable(QString name, std::vector<ColumnDef> columns, bool autoIncrementId);

    const QString& name() const { return name_; }
    const std::vector<ColumnDef>& columns() const { return columns_; }
    int columnPosition(const QString& column) const; // -1 when absent

    void open();  // opens empty
    void close(); // discards the rows
    bool isOpen() const { return open_; }

    // Appends a row: `values` are the fields after `id` (positions 1..n-1). With an autoincrement
    // key the id is assigned and `id` is ignored. The new row becomes current. Returns its id.
    std::int64_t insert(std::vector<QVariant> values, std::int64_t id = 0);
    // Sets a field of the current row and stores it (text cut to 255 characters).
    void setField(int position, const QVariant& value);
    void deleteCurrent(); // the following row becomes current, or the new last row
    void clear();         // deletes every row

    void first();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    int recordCount() const { return static_cast<int>(rows_.size()); }
    int recNo() const { return current_ + 1; } // 1-based; 0 when empty
    void setRecNo(int recNo);                  // moves the current row (a grid selection)
    bool locate(int position, const QVariant& value);

    std::int64_t fieldAsInteger(int position) const;
    QString fieldAsText(int position) const;
    QVariant value(int row, int position) const;

    void setOnDataChange(std::function<void()> handler) { onDataChange_ = std::move(handler); }
    // A second listener for views (grid models) so that the data handler stays the program's.
    void setOnViewChange(std::function<void()> handler) { onViewChange_ = std::move(handler); }

private:
    void requireOpen() const;
    void requireCurrent() const;
    QVariant normalised(int position, const QVariant& value) const;
    void placeCurrent();
    void changed();

    QString name_;
    std::vector<ColumnDef> columns_;
    bool autoIncrement_;
    std::int64_t nextId_ = 1;
    bool open_ = false;
    std::vector<std::vector<QVariant>> rows_;
    int current_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    std::function<void()> onDataChange_;
    std::function<void()> onViewChange_;
};

// Cuts a text to at most MemTable::MaxTextLength characters, never inside a surrogate pair.
QString cutText(const QString& text);

} // namespace kelvane
