#pragma once

#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace kelvane::test {

// One konfigtree row of a fixture; ids are 1, 2, 3, ... in the given order.
struct KonfigRow {
    int num;
    int idParent;
    QString name;
    int imageIndex = 0;
    int col1 = 0;
};

// A Baza.mdb (SQLite form) in a temporary folder with exactly these konfigtree rows.
class FixtureBase {
public:
    explicit FixtureBase(const std::vector<KonfigRow>& rows);
    QString path() const { return dir_.filePath(QStringLiteral("Baza.mdb")); }
    QString dir() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

} // namespace kelvane::test
