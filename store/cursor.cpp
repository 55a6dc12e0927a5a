#include "store/cursor.h"

#include "store/error.h"

namespace kelvane {

Cursor::Cursor(QString name)
    : name_(std::move(name)) {}

void Cursor::close() {
    open_ = false;
    result_ = ResultSet();
    row_ = -1;
    eof_ = true;
}

void Cursor::requireOpen() const {
    if (!open_)
        throw Error(QStringLiteral("%1: операция невозможна, набор данных не открыт").arg(name_));
}

void Cursor::notify() {
    if (onDataChange_)
        onDataChange_();
}

void Cursor::attach(ResultSet result) {
    result_ = std::move(result);
    open_ = true;
    row_ = result_.rowCount() > 0 ? 0 : -1;
    eof_ = result_.rowCount() == 0;
    notify();
}

void Cursor::moveTo(int row) {
    requireOpen();
    row_ = row;
    eof_ = false;
    notify();
}

void Cursor::first() {
    requireOpen();
    row_ = result_.rowCount() > 0 ? 0 : -1;
    eof_ = result_.rowCount() == 0;
    notify();
}

void Cursor::next() {
    requireOpen();
    if (eof_)
        return;
    if (row_ + 1 < result_.rowCount())
        ++row_;
    else
        eof_ = true;
    notify();
}

bool Cursor::eof() const {
    requireOpen();
    return eof_;
}

int Cursor::recordCount() const {
    requireOpen();
    return result_.rowCount();
}

int Cursor::currentRow() const {
    requireOpen();
    return row_;
}

std::int64_t Cursor::fieldAsInteger(int position) const {
    requireOpen();
    if (row_ < 0)
        throw Error(QStringLiteral("%1: нет текущей записи").arg(name_));
    return result_.integer(row_, position);
}

QString Cursor::fieldAsText(int position) const {
    requireOpen();
    if (row_ < 0)
        throw Error(QStringLiteral("%1: нет текущей записи").arg(name_));
    return result_.text(row_, position);
}

const ResultSet& Cursor::result() const {
    requireOpen();
    return result_;
}

} // namespace kelvane
