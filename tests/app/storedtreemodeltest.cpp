#include "app/storedtreemodel.h"

#include "app/storedtreeview.h"
#include "store/error.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

// A flat pre-order list from parent links.
StoredNodes nodesWithParents(const std::vector<int>& parents) {
    StoredNodes nodes(parents.size());
    for (std::size_t i = 0; i < parents.size(); ++i) {
        nodes[i].text = QStringLiteral("n%1").arg(i);
        nodes[i].imageIndex = static_cast<int>(i);
        nodes[i].selectedIndex = static_cast<int>(i);
        nodes[i].parent = parents[i];
    }
    return nodes;
}

// 0 > (1 > 2 > 3), (4), 5 as a second root > 6.
const std::vector<int> sampleParents = {-1, 0, 1, 2, 0, -1, 5};

} // namespace

TEST(StoredTreeModel, PassesTheModelTesterThroughResets) {
    StoredTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setNodes(nodesWithParents(sampleParents));
    model.setImages([](int) { return QIcon(); });
    model.clear();
    model.setNodes(nodesWithParents(sampleParents));
    EXPECT_EQ(model.rowCount(), 2);
}

TEST(StoredTreeModel, AbsoluteIndexRoundTripsAndMatchesTheShape) {
    StoredTreeModel model;
    model.setNodes(nodesWithParents(sampleParents));
    struct Expected {
        int absolute;
        int row;
        int parent;
    };
    for (const Expected& e : {Expected{0, 0, -1}, Expected{1, 0, 0}, Expected{3, 0, 2},
                              Expected{4, 1, 0}, Expected{5, 1, -1}, Expected{6, 0, 5}}) {
        const QModelIndex index = model.indexOfAbsolute(e.absolute);
        ASSERT_TRUE(index.isValid()) << e.absolute;
        EXPECT_EQ(StoredTreeModel::absoluteIndex(index), e.absolute);
        EXPECT_EQ(index.row(), e.row) << e.absolute;
        EXPECT_EQ(StoredTreeModel::absoluteIndex(index.parent()), e.parent) << e.absolute;
        EXPECT_EQ(index.data().toString(), QStringLiteral("n%1").arg(e.absolute));
    }
    EXPECT_FALSE(model.indexOfAbsolute(-1).isValid());
    EXPECT_FALSE(model.indexOfAbsolute(7).isValid());
}

TEST(StoredTreeModel, RejectsForwardParentLinks) {
    StoredTreeModel model;
    EXPECT_THROW(model.setNodes(nodesWithParents({-1, 2, 0})), Error);
    EXPECT_THROW(model.setNodes(nodesWithParents({0})), Error);
}

TEST(StoredTreeView, SelectingByProgramExpandsAndNeverReportsAClick) {
    StoredTreeView view;
    view.nodes().setNodes(nodesWithParents(sampleParents));
    QSignalSpy clicks(&view, &StoredTreeView::nodeClicked);
    view.selectAbsoluteIndex(3);
    EXPECT_EQ(view.selectedAbsoluteIndex(), 3);
    EXPECT_TRUE(view.isExpanded(view.nodes().indexOfAbsolute(2)));
    EXPECT_TRUE(view.isExpanded(view.nodes().indexOfAbsolute(1)));
    EXPECT_TRUE(view.isExpanded(view.nodes().indexOfAbsolute(0)));
    view.selectAbsoluteIndex(6);
    EXPECT_EQ(view.selectedAbsoluteIndex(), 6);
    EXPECT_EQ(clicks.count(), 0);
}

TEST(StoredTreeView, SelectingOutsideTheTreeIsInvalidIndex) {
    StoredTreeView view;
    view.nodes().setNodes(nodesWithParents(sampleParents));
    view.selectAbsoluteIndex(4);
    for (int outside : {-1, 7}) {
        try {
            view.selectAbsoluteIndex(outside);
            FAIL() << outside;
        } catch (const Error& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Invalid index"));
        }
        EXPECT_EQ(view.selectedAbsoluteIndex(), 4);
    }
}
