#include "store/database.h"
#include "store/error.h"
#include "store/query.h"
#include "store/treetext/loadtree.h"
#include "store/treetext/recordingtreeview.h"
#include "store/treetext/stringtocomponent.h"
#include "tools/treetext/treedump.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <exception>

namespace {

// Baza.mdb is a Jet database or an SQLite database holding the same tables.
bool isDatabase(const QByteArray& head) {
    return head.startsWith(QByteArrayLiteral("SQLite format 3\0")) ||
           head.mid(4, 15) == QByteArrayLiteral("Standard Jet DB") ||
           head.mid(4, 15) == QByteArrayLiteral("Standard ACE DB");
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw kelvane::Error(
            QStringLiteral("Не удалось открыть файл %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

void load(const QString& path, kelvane::TreeViewTarget& tree) {
    const QByteArray content = readFile(path);
    if (!isDatabase(content.left(32))) {
        kelvane::StringToComponent(content, tree);
        return;
    }
    kelvane::Database database;
    database.open(path);
    kelvane::Query tbstructura(QStringLiteral("tbstructura"), database,
                               QStringLiteral("SELECT * FROM structura"));
    tbstructura.open();
    kelvane::LoadTree(tbstructura, tree);
}

int fail(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2)
        return fail(QStringLiteral("Использование: kelvane-treetext ФАЙЛ"));
    try {
        kelvane::RecordingTreeView tree;
        load(arguments[1], tree);
        const QByteArray out = kelvane::dumpNodes(tree.nodes());
        std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
        return 0;
    } catch (const kelvane::Error& error) {
        return fail(error.message());
    } catch (const std::exception& error) {
        return fail(
            QStringLiteral("Непредвиденная ошибка: %1").arg(QString::fromLocal8Bit(error.what())));
    }
}
