// Files on which the Jet reader itself failed, read in this process so that a fault in our own
// reading code is not hidden by the child process of the import.
#include "store/error.h"
#include "store/jetreader.h"
#include "tests/support/testpaths.h"
#include "tests/treetext/qtprinters.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

QString corpusFile(const char* name) {
    return test::sourceDir() + QStringLiteral("/tests/fuzz/corpus/fuzz_jet/") +
           QString::fromLatin1(name);
}

// The table definition of structura damaged so that its columns cannot be read: the reader used
// to walk the missing column list.
TEST(JetReaderRegression, UnreadableColumnsAreAnErrorOfThatTable) {
    JetReader reader(corpusFile("unreadable-columns.mdb"));
    EXPECT_FALSE(reader.columns(QStringLiteral("konfigtree")).empty());
    try {
        reader.columns(QStringLiteral("structura"));
        FAIL() << "the columns of structura were read";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Не удалось прочитать столбцы таблицы structura"));
    }
}

} // namespace
