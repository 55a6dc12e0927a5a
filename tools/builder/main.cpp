// kelvane-build: writes Baza.mdb (or an SQLite copy) from a configuration description or from
// the synthetic generator.
#include "store/error.h"
#include "tools/builder/configuration.h"
#include "tools/builder/synthetic.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>

namespace {

const char* const usage = "Использование:\n"
                          "  kelvane-build ОПИСАНИЕ ФАЙЛ [--sqlite]\n"
                          "  kelvane-build --synthetic СТРОК ФАЙЛ [--sqlite]\n";

kelvane::builder::Configuration readDescription(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw kelvane::Error(
            QStringLiteral("Не удалось открыть описание «%1»: %2").arg(path, file.errorString()));
    try {
        return kelvane::builder::parseDescription(QString::fromUtf8(file.readAll()));
    } catch (const kelvane::Error& error) {
        throw kelvane::Error(path + QStringLiteral(": ") + error.message());
    }
}

int run(QStringList arguments) {
    using namespace kelvane::builder;
    const bool sqlite = arguments.removeAll(QStringLiteral("--sqlite")) > 0;
    const bool synthetic = arguments.removeAll(QStringLiteral("--synthetic")) > 0;
    if (arguments.size() != 2)
        throw kelvane::Error(QString::fromUtf8(usage).trimmed());
    Configuration configuration;
    if (synthetic) {
        bool ok = false;
        const int rows = arguments[0].toInt(&ok);
        if (!ok)
            throw kelvane::Error(
                QStringLiteral("Число строк «%1» не является целым числом").arg(arguments[0]));
        configuration = syntheticConfiguration(rows);
    } else {
        configuration = readDescription(arguments[0]);
    }
    writeTables(arguments[1], buildTables(configuration).all(),
                sqlite ? Format::Sqlite : Format::Jet);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments();
    arguments.removeFirst();
    try {
        return run(arguments);
    } catch (const kelvane::Error& error) {
        QTextStream(stderr) << error.message() << Qt::endl;
        return 1;
    }
}
