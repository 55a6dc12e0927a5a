#include "tests/navigation/fixture.h"
#include "tests/support/testpaths.h"

#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

using namespace kelvane::test;

namespace {

struct RenderResult {
    int exitCode;
    QStringList lines;
    QString errors;
};

RenderResult render(const QString& dir, const QString& num, const QString& png) {
    QProcess process;
    process.start(binaryDir() + QStringLiteral("/tools/render/kelvane-render"), {dir, num, png});
    process.waitForFinished(-1);
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

const std::vector<KonfigRow> rows = {
    {0, 0, QStringLiteral("Конфигурация"), 0, 2},
    {1, 0, QStringLiteral("Общие"), 1, 0},
    {2, 0, QStringLiteral("Справочники"), 43, 1},
    {3, 2, QStringLiteral("Номенклатура"), 44, 0},
};

} // namespace

TEST(Render, DrawsTheRecordAndListsItsRegions) {
    FixtureBase base(rows);
    const QString png = base.dir() + QStringLiteral("/out.png");
    const RenderResult run = render(base.dir(), QStringLiteral("2"), png);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_GE(run.lines.size(), 3);
    EXPECT_EQ(run.lines[0], QStringLiteral("Ed1: Конфигурация -> Справочники"));
    EXPECT_EQ(run.lines[1], QStringLiteral("Ed2: Справочники"));
    bool objectBox = false;
    for (const QString& line : run.lines.mid(2)) {
        const QStringList fields = line.split(u'\t');
        ASSERT_EQ(fields.size(), 7) << line.toStdString();
        objectBox = objectBox || (fields[0] == QStringLiteral("4") &&
                                  fields[1] == QStringLiteral("Номенклатура"));
    }
    EXPECT_TRUE(objectBox);
    EXPECT_EQ(QImage(png).size(), QSize(3000, 3000));
}

TEST(Render, FailsOnAMissingRecordOrDatabase) {
    FixtureBase base(rows);
    const RenderResult missingRecord =
        render(base.dir(), QStringLiteral("9"), base.dir() + "/a.png");
    EXPECT_EQ(missingRecord.exitCode, 1);
    EXPECT_TRUE(missingRecord.errors.contains(QStringLiteral("num 9")));

    const RenderResult missingBase =
        render(base.dir() + "/none", QStringLiteral("0"), base.dir() + "/b.png");
    EXPECT_EQ(missingBase.exitCode, 1);
    EXPECT_FALSE(missingBase.errors.isEmpty());
}
