#include "diagram/diagrams.h"
#include "diagram/hitregions.h"
#include "diagram/surface.h"
#include "navigation/diagramroutines.h"
#include "navigation/errorsink.h"
#include "navigation/headlessview.h"
#include "navigation/program.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

// Prints every error as the window would show it and remembers that one occurred.
class StderrSink : public kelvane::ErrorSink {
public:
    void showError(const QString& message) override {
        QTextStream(stderr) << message << Qt::endl;
        failed = true;
    }
    bool failed = false;
};

int usage() {
    QTextStream(stderr) << QStringLiteral("Использование: kelvane-render КАТАЛОГ NUM ФАЙЛ.png")
                        << Qt::endl;
    return 2;
}

} // namespace

// Opens DIR/Baza.mdb, runs the start sequence without a window, makes the record with that num
// current, saves the surface and prints Ed1, Ed2 and the hit regions.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return usage();
    bool numeric = false;
    const int num = args[2].toInt(&numeric);
    if (!numeric)
        return usage();

    kelvane::HeadlessView view;
    StderrSink sink;
    kelvane::Program program(view, sink);
    kelvane::Diagrams diagrams(program.database(), program.ADOTable1(), program.navigator());
    program.setRoutines(kelvane::routinesOf(diagrams));
    program.create(QDir(args[1]).filePath(QStringLiteral("Baza.mdb")),
                   diagrams.hitRegions().MemKordinat());
    program.FormShow({});
    if (sink.failed)
        return 1;

    bool found = false;
    program.run([&] {
        found =
            program.ADOTable1().locate(QStringLiteral("num"), QString::number(num), {true, true});
    });
    if (sink.failed)
        return 1;
    if (!found) {
        sink.showError(QStringLiteral("Запись с num %1 не найдена").arg(num));
        return 1;
    }
    if (!diagrams.surface().image().save(args[3], "PNG")) {
        sink.showError(QStringLiteral("Не удалось записать файл %1").arg(args[3]));
        return 1;
    }

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    out << "Ed1: " << view.ed1() << '\n' << "Ed2: " << view.ed2() << '\n';
    const kelvane::MemTable& regions = diagrams.hitRegions().MemKordinat();
    using R = kelvane::HitRegions;
    for (int row = 0; row < regions.recordCount(); ++row) {
        out << regions.value(row, R::Id).toLongLong() << '\t'
            << regions.value(row, R::Name).toString();
        for (int position : {R::X1, R::Y1, R::X2, R::Y2})
            out << '\t' << regions.value(row, position).toLongLong();
        out << '\t' << regions.value(row, R::P).toString() << '\n';
    }
    return 0;
}
