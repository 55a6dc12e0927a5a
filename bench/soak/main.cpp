// kelvane-soak: a long random navigation over a large synthetic configuration, offscreen, with
// the invariants checked after every step. Prints the steps per second and the resident memory
// at step 1,000 and at the end; exits with status 1 at the first broken invariant or message.
//   kelvane-soak [--rows N] [--steps N] [--seed N] [--database Baza.mdb]
#include "bench/soak/soakrun.h"
#include "store/error.h"
#include "tools/builder/configuration.h"
#include "tools/builder/synthetic.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace {

struct Options {
    int rows = 100000;
    int steps = 20000;
    std::uint32_t seed = 1;
    QString database;
};

Options parse(QStringList arguments) {
    Options options;
    arguments.removeFirst();
    for (qsizetype i = 0; i + 1 < arguments.size(); i += 2) {
        const QString& name = arguments[i];
        const QString& value = arguments[i + 1];
        bool ok = true;
        if (name == QLatin1String("--rows"))
            options.rows = value.toInt(&ok);
        else if (name == QLatin1String("--steps"))
            options.steps = value.toInt(&ok);
        else if (name == QLatin1String("--seed"))
            options.seed = value.toUInt(&ok);
        else if (name == QLatin1String("--database"))
            options.database = value;
        else
            ok = false;
        if (!ok)
            throw kelvane::Error(QStringLiteral("Неверный параметр %1 %2").arg(name, value));
    }
    if (arguments.size() % 2 != 0)
        throw kelvane::Error(QStringLiteral("Параметр %1 без значения").arg(arguments.last()));
    return options;
}

double residentMegabytes() {
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        long size = 0;
        if (std::fscanf(statm, "%ld %ld", &size, &pages) != 2)
            pages = 0;
        std::fclose(statm);
    }
    return static_cast<double>(pages) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

int run(const Options& options) {
    QTextStream out(stdout);
    QTemporaryDir dir;
    QString path = options.database;
    if (path.isEmpty()) {
        using namespace kelvane::builder;
        path = dir.filePath(QStringLiteral("Baza.mdb"));
        writeTables(path, buildTables(syntheticConfiguration(options.rows)).all(), Format::Jet);
    }
    kelvane::soak::SoakRun soak(path, options.seed);
    if (!soak.problems().isEmpty()) {
        out << "start: " << soak.problems().join(QLatin1Char('\n')) << Qt::endl;
        return 1;
    }
    double residentAt1000 = 0;
    QElapsedTimer timer;
    timer.start();
    for (int step = 1; step <= options.steps; ++step) {
        soak.step();
        if (!soak.problems().isEmpty()) {
            out << "step " << step << ": " << soak.problems().join(QLatin1Char('\n')) << Qt::endl;
            return 1;
        }
        if (step == 1000)
            residentAt1000 = residentMegabytes();
    }
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    out << "steps: " << options.steps << ", " << seconds << " s, "
        << static_cast<double>(options.steps) / seconds << " steps/s" << Qt::endl;
    out << "resident memory: " << residentAt1000 << " MiB at step 1000, " << residentMegabytes()
        << " MiB at the end" << Qt::endl;
    out << "regions partly beyond the surface: " << soak.offSurfaceRegions() << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    try {
        return run(parse(application.arguments()));
    } catch (const kelvane::Error& error) {
        QTextStream(stderr) << error.message() << Qt::endl;
        return 1;
    }
}
