#include "tests/support/testpaths.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(-1)) << program.toStdString();
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

QString tool() {
    return test::binaryDir() + QStringLiteral("/kelvane-build");
}

} // namespace

TEST(BuildTool, WritesADemoThatMdbtoolsRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
    int exitCode = -1;
    const QString output = run(
        tool(), {test::sourceDir() + QStringLiteral("/resources/demo/demo.kcfg"), path}, &exitCode);
    ASSERT_EQ(exitCode, 0) << output.toStdString();

    const QStringList tables =
        run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), path}).split(QLatin1Char('\n'));
    for (const char* name : {"konfigtree", "structura", "prosedur"})
        EXPECT_TRUE(tables.contains(QLatin1String(name))) << name;

    const QStringList rows = run(QStringLiteral("mdb-export"),
                                 {QStringLiteral("-H"), path, QStringLiteral("konfigtree")})
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList description =
        run(QStringLiteral("grep"),
            {QStringLiteral("-cvE"), QStringLiteral("^\\s*(#|процедура |функция |$)"),
             test::sourceDir() + QStringLiteral("/resources/demo/demo.kcfg")})
            .split(QLatin1Char('\n'));
    EXPECT_EQ(rows.size(), description.first().toInt());
    EXPECT_TRUE(rows.first().startsWith(QStringLiteral("1,0,0,\"ТорговляСкладом\"")))
        << rows.first().toStdString();
}

TEST(BuildTool, ReportsErrorsWithExitCodeOne) {
    QTemporaryDir dir;
    const QString description = dir.filePath(QStringLiteral("bad.kcfg"));
    QFile file(description);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Конф\n  А | NoSuchPicture\n");
    file.close();
    struct Case {
        QStringList arguments;
        const char* fragment;
    };
    const Case cases[] = {
        {{description, dir.filePath(QStringLiteral("a.sqlite")), QStringLiteral("--sqlite")},
         "Строка 2"},
        {{QStringLiteral("--synthetic"), QStringLiteral("много"), dir.filePath("b.mdb")}, "много"},
        {{dir.filePath(QStringLiteral("missing.kcfg")), dir.filePath("c.mdb")}, "missing.kcfg"},
        {{}, "kelvane-build"},
    };
    for (const Case& c : cases) {
        int exitCode = -1;
        const QString output = run(tool(), c.arguments, &exitCode);
        EXPECT_EQ(exitCode, 1) << c.fragment;
        EXPECT_TRUE(output.contains(QString::fromUtf8(c.fragment))) << output.toStdString();
    }
}

TEST(BuildTool, WritesSyntheticSqlite) {
    QTemporaryDir dir;
    int exitCode = -1;
    const QString output =
        run(tool(),
            {QStringLiteral("--synthetic"), QStringLiteral("500"),
             dir.filePath(QStringLiteral("s.sqlite")), QStringLiteral("--sqlite")},
            &exitCode);
    EXPECT_EQ(exitCode, 0) << output.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("s.sqlite"))));
}
