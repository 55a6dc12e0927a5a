#include "store/sqlstatement.h"

#include "store/error.h"

#include <sqlite3.h>

namespace kelvane {

static QString engineMessage(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

SqlStatement::SqlStatement(sqlite3* db, const QString& sql)
    : db_(db) {
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &stmt_, nullptr) !=
        SQLITE_OK) {
        const QString message = engineMessage(db);
        sqlite3_finalize(stmt_);
        throw Error(QStringLiteral("Ошибка в запросе «%1»: %2").arg(sql, message));
    }
    if (!stmt_)
        throw Error(QStringLiteral("Пустой текст запроса «%1»").arg(sql));
}

SqlStatement::~SqlStatement() {
    sqlite3_finalize(stmt_);
}

bool SqlStatement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw Error(QStringLiteral("Ошибка выполнения запроса «%1»: %2")
                    .arg(QString::fromUtf8(sqlite3_sql(stmt_)), engineMessage(db_)));
}

void executeSql(sqlite3* db, const QString& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
        sqlite3_free(message);
        throw Error(QStringLiteral("Ошибка базы данных в «%1»: %2").arg(sql, text));
    }
}

QString quoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace kelvane
