#include "tests/store/sqlitefixture.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace kelvane::test {

namespace {

QString quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

QString orNull(const std::optional<QString>& text) {
    return text ? quoted(*text) : "NULL";
}
QString orNull(const std::optional<int>& value) {
    return value ? QString::number(*value) : QStringLiteral("NULL");
}

} // namespace

QString konfigtreeSchema() {
    return QStringLiteral(
        "CREATE TABLE konfigtree (id INTEGER, num INTEGER, id_parent INTEGER, name VARCHAR(255), "
        "imageindex INTEGER, type VARCHAR(5), formimage BLOB, modtext MEMO, spravtext MEMO, "
        "col1 SMALLINT, colgraf INTEGER, colzhach INTEGER, colizmer INTEGER, colresur INTEGER, "
        "colrecv INTEGER, coltabl INTEGER, colform INTEGER, comacet INTEGER, colperer INTEGER, "
        "cinonim VARCHAR(255), komment VARCHAR(255), podsistem VARCHAR(255), "
        "imageindextype INTEGER, stringtype VARCHAR(255), ispolzov VARCHAR(255), "
        "indexirov VARCHAR(255), polnotpoisk VARCHAR(255), rezimuprblok VARCHAR(255))");
}

QString structuraSchema() {
    return QStringLiteral("CREATE TABLE structura (id INTEGER, tree MEMO)");
}

QString prosedurSchema() {
    return QStringLiteral("CREATE TABLE prosedur (id INTEGER, id_parent INTEGER, modul INTEGER, "
                          "name VARCHAR(255), text MEMO, vid VARCHAR(20))");
}

void writeSqliteFile(const QString& path, const QStringList& statements) {
    QFile::remove(path);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    QStringList all = statements;
    all.prepend(QStringLiteral("BEGIN"));
    all.append(QStringLiteral("COMMIT"));
    for (const QString& statement : all) {
        char* message = nullptr;
        const int rc = sqlite3_exec(db, statement.toUtf8().constData(), nullptr, nullptr, &message);
        EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "") << " in " << statement.toStdString();
        sqlite3_free(message);
    }
    sqlite3_close(db);
}

void writeSqliteBaza(const QString& path, const std::vector<KonfigRow>& konfig,
                     const QString& structuraText, const std::vector<ProsedurRow>& prosedur) {
    QStringList statements{konfigtreeSchema(), structuraSchema(), prosedurSchema()};
    for (const KonfigRow& row : konfig)
        statements << QStringLiteral(
                          "INSERT INTO konfigtree (id, num, id_parent, name, imageindex, "
                          "type, col1, imageindextype, modtext) "
                          "VALUES (%1, %2, %3, %4, %5, %6, %7, %8, 'module text')")
                          .arg(row.id)
                          .arg(row.num)
                          .arg(row.idParent)
                          .arg(orNull(row.name))
                          .arg(row.imageIndex)
                          .arg(quoted(row.type), orNull(row.col1))
                          .arg(row.imageIndexType);
    statements << QStringLiteral("INSERT INTO structura VALUES (1, %1)").arg(quoted(structuraText));
    for (const ProsedurRow& row : prosedur)
        statements << QStringLiteral("INSERT INTO prosedur VALUES (%1, %2, 0, %3, 'body', %4)")
                          .arg(row.id)
                          .arg(row.idParent)
                          .arg(quoted(row.name), quoted(row.kind));
    writeSqliteFile(path, statements);
}

} // namespace kelvane::test
