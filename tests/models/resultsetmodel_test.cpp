#include "navigation/gridlayouts.h"
#include "store/resultset.h"
#include "store/resultsetmodel.h"

#include <QAbstractItemModelTester>
#include <QSize>
#include <gtest/gtest.h>

using kelvane::ResultSet;

namespace {

ResultSet::Column integers(const char* name, std::vector<std::int64_t> values) {
    ResultSet::Column column{QString::fromUtf8(name), ResultSet::Kind::Integer, {}, {}};
    column.integers = std::move(values);
    return column;
}

ResultSet::Column texts(const char* name, std::vector<QString> values) {
    ResultSet::Column column{QString::fromUtf8(name), ResultSet::Kind::Text, {}, {}};
    column.texts = std::move(values);
    return column;
}

} // namespace

TEST(ResultSetModel, ShowsTheVisibleKonfigtreeColumnsByName) {
    kelvane::ResultSetModel model(kelvane::dbGrid1Columns());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 0);

    // Columns in table order; id is not shown.
    model.setResult(
        ResultSet({integers("id", {1, 2}), integers("num", {0, 1}), integers("id_parent", {0, 0}),
                   texts("name", {QStringLiteral("Конфигурация"), QStringLiteral("Общие")}),
                   integers("imageindex", {0, 1}), texts("type", {QString(), QString()})},
                  2));
    ASSERT_EQ(model.rowCount(), 2);
    const std::pair<QString, int> headers[] = {{QStringLiteral("num"), 50},
                                               {QStringLiteral("id_parent"), 50},
                                               {QStringLiteral("name"), 180},
                                               {QStringLiteral("imageindex"), 80},
                                               {QStringLiteral("type"), 80}};
    ASSERT_EQ(model.columnCount(), 5);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(model.headerData(c, Qt::Horizontal).toString(), headers[c].first);
        EXPECT_EQ(model.headerData(c, Qt::Horizontal, Qt::SizeHintRole).toSize().width(),
                  headers[c].second);
    }
    EXPECT_EQ(model.data(model.index(1, 0)).toInt(), 1);
    EXPECT_EQ(model.data(model.index(1, 2)).toString(), QStringLiteral("Общие"));
    EXPECT_EQ(model.data(model.index(1, 3)).toInt(), 1);

    model.setResult(ResultSet({integers("num", {5})}, 1)); // the other columns stay empty
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.data(model.index(0, 0)).toInt(), 5);
    EXPECT_FALSE(model.data(model.index(0, 2)).isValid());
}
