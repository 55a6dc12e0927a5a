#pragma once

#include "store/resultset.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace kelvane {

// A cursor over a fully fetched result set: open/close, first/next with the end flag, record
// count and field access by position. Every operation on a closed cursor throws "not open".
// Subclasses decide where the rows come from; `notify` is the change notification (the data
// source's data-change handler), run after open, first and next as the data objects require.
class Cursor {
public:
    explicit Cursor(QString name);
    virtual ~Cursor() = default;
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    const QString& name() const { return name_; }
    bool isOpen() const { return open_; }
    void close();

    void first();
    void next();
    bool eof() const;
    int recordCount() const;
    // 0-based position of the current row; -1 for an empty set.
    int currentRow() const;

    std::int64_t fieldAsInteger(int position) const;
    std::int32_t fieldAsInt32(int position) const {
        return static_cast<std::int32_t>(fieldAsInteger(position));
    }
    QString fieldAsText(int position) const;

    const ResultSet& result() const;

    // Change notification; runs after open, first, next (see next()) and successful moves.
    void setOnDataChange(std::function<void()> handler) { onDataChange_ = std::move(handler); }

protected:
    // Installs a fresh result: the cursor stands on its first row and the notification runs.
    void attach(ResultSet result);
    // Makes `row` current and runs the notification.
    void moveTo(int row);
    void requireOpen() const;
    void notify();

private:
    QString name_;
    ResultSet result_;
    bool open_ = false;
    int row_ = -1;
    bool eof_ = true;
    std::function<void()> onDataChange_;
};

} // namespace kelvane
