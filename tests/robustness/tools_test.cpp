// The command-line tools read damaged input through the program's own code: each ends with its
// message on standard error and exit status 1, never by a signal or a hang.
#include "tests/robustness/hostilefixtures.h"
#include "tests/support/testpaths.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane::test;

namespace {

constexpr int PageSize = 4096;

struct DamagedInput {
    const char* name;
    const char* tool; // below the build folder
    std::function<QStringList(const QTemporaryDir& dir)> prepare;
    const char* message; // a part of standard error
};

class DamagedInputTest : public ::testing::TestWithParam<DamagedInput> {};

TEST_P(DamagedInputTest, EndsWithItsMessageAndStatusOne) {
    QTemporaryDir dir;
    const QStringList arguments = GetParam().prepare(dir);
    QProcess process;
    process.start(binaryDir() + QLatin1Char('/') + QString::fromLatin1(GetParam().tool), arguments);
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(errors.contains(QString::fromUtf8(GetParam().message))) << errors.toStdString();
}

QString file(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
    writeBytes(path, bytes);
    return path;
}

// The tiny Jet file with the page after the table definitions overwritten.
QString damagedJet(const QTemporaryDir& dir, char filler) {
    const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
    writeJet(path);
    QByteArray bytes = readBytes(path);
    for (int page : pagesOfType(bytes, 2))
        bytes.replace(page * PageSize + 8, PageSize - 8, QByteArray(PageSize - 8, filler));
    return file(dir, bytes);
}

const char* const TreeText = "tools/treetext/kelvane-treetext";
const char* const Build = "kelvane-build";
const char* const Render = "tools/render/kelvane-render";

// Arguments of kelvane-render for the folder with a Baza.mdb made of these bytes.
QStringList renderFolder(const QTemporaryDir& dir, const QByteArray& bytes, const char* num = "1") {
    file(dir, bytes);
    return {dir.path(), QString::fromLatin1(num), dir.filePath(QStringLiteral("out.png"))};
}

INSTANTIATE_TEST_SUITE_P(
    Tools, DamagedInputTest,
    ::testing::Values(
        DamagedInput{"TreeTextMissingFile", TreeText,
                     [](const QTemporaryDir& dir) {
                         return QStringList{dir.filePath(QStringLiteral("nothing.mdb"))};
                     },
                     "Не удалось открыть файл"},
        DamagedInput{"TreeTextBinaryGarbage", TreeText,
                     [](const QTemporaryDir& dir) {
                         return QStringList{file(dir, QByteArray(5000, '\xFF'))};
                     },
                     "Line too long on line 1"},
        DamagedInput{
            "TreeTextTruncatedJet", TreeText,
            [](const QTemporaryDir& dir) {
                writeJet(dir.filePath(QStringLiteral("whole.mdb")));
                return QStringList{file(
                    dir, readBytes(dir.filePath(QStringLiteral("whole.mdb"))).left(PageSize + 10))};
            },
            "повреждён"},
        DamagedInput{"TreeTextJetWithoutTableDefinitions", TreeText,
                     [](const QTemporaryDir& dir) { return QStringList{damagedJet(dir, '\xFF')}; },
                     "Baza.mdb"},
        DamagedInput{"BuildMalformedDescription", Build,
                     [](const QTemporaryDir& dir) {
                         const QString description = dir.filePath(QStringLiteral("bad.kcfg"));
                         writeBytes(description, "    Общие | CommonNode\nКонф | Configuration\n");
                         return QStringList{description, dir.filePath(QStringLiteral("Baza.mdb"))};
                     },
                     "bad.kcfg"},
        DamagedInput{"BuildBinaryDescription", Build,
                     [](const QTemporaryDir& dir) {
                         const QString description = dir.filePath(QStringLiteral("bad.kcfg"));
                         writeBytes(description, QByteArray("\0\xFF\xFE|\n\t|\x80", 8));
                         return QStringList{description, dir.filePath(QStringLiteral("Baza.mdb"))};
                     },
                     "bad.kcfg"},
        DamagedInput{"BuildUnwritableOutput", Build,
                     [](const QTemporaryDir& dir) {
                         return QStringList{
                             QStringLiteral("--synthetic"), QStringLiteral("100"),
                             dir.filePath(QStringLiteral("no/such/folder/Baza.mdb"))};
                     },
                     "Baza.mdb"},
        DamagedInput{"BuildNegativeSynthetic", Build,
                     [](const QTemporaryDir& dir) {
                         return QStringList{QStringLiteral("--synthetic"), QStringLiteral("-5"),
                                            dir.filePath(QStringLiteral("Baza.mdb"))};
                     },
                     ""},
        DamagedInput{"RenderRandomBytes", Render,
                     [](const QTemporaryDir& dir) {
                         return renderFolder(dir, QByteArray(3 * PageSize, '\x5A'));
                     },
                     "не является базой данных Jet 4.0 или SQLite"},
        DamagedInput{
            "RenderTruncatedJet", Render,
            [](const QTemporaryDir& dir) {
                writeJet(dir.filePath(QStringLiteral("whole.mdb")));
                return renderFolder(
                    dir, readBytes(dir.filePath(QStringLiteral("whole.mdb"))).left(5 * PageSize));
            },
            "Таблица"},
        DamagedInput{"RenderJetWithoutTableDefinitions", Render,
                     [](const QTemporaryDir& dir) {
                         damagedJet(dir, '\0');
                         return QStringList{dir.path(), QStringLiteral("1"),
                                            dir.filePath(QStringLiteral("out.png"))};
                     },
                     "Baza.mdb"},
        DamagedInput{"RenderNumBeyondTheTable", Render,
                     [](const QTemporaryDir& dir) {
                         writeJet(dir.filePath(QStringLiteral("Baza.mdb")));
                         return QStringList{dir.path(), QStringLiteral("-2147483648"),
                                            dir.filePath(QStringLiteral("out.png"))};
                     },
                     "Запись с num -2147483648 не найдена"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
