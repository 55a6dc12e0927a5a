#include "app/form1.h"

#include "app/currentrecordpage.h"
#include "app/historypage.h"
#include "app/storedtreemodel.h"
#include "app/storedtreeview.h"
#include "store/konfigcolumns.h"
#include "tests/app/appfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

namespace {

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        dir.writeBaza(smallConfiguration());
        form = std::make_unique<TForm1>(errors);
        form->show();
        ASSERT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
    }

    QString currentName() { return form->program().ADOTable1().fieldAsText(konfig::Name); }
    int visits() { return form->program().history().MemNavig().recordCount(); }

    void clickNode(int absolute) {
        StoredTreeView* tree = form->TreeView1;
        const QRect rect = tree->visualRect(tree->nodes().indexOfAbsolute(absolute));
        ASSERT_TRUE(rect.isValid()) << absolute;
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    }

    WorkingDirectory dir;
    ErrorRecorder errors;
    std::unique_ptr<TForm1> form;
};

QAction* actionNamed(QWidget& owner, const char* name) {
    return owner.findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

TEST_F(Form1Test, TreeClickMovesTheRecordAndKeyboardDoesNot) {
    form->selectAbsoluteIndex(4);
    EXPECT_EQ(visits(), 1) << "selecting by program moved a record";
    clickNode(4);
    EXPECT_EQ(currentName(), QStringLiteral("Справочники"));
    EXPECT_EQ(visits(), 2);
    clickNode(4);
    EXPECT_EQ(visits(), 3) << "a click on the selected node must redraw and record";

    QTest::keyClick(form->TreeView1, Qt::Key_Up);
    EXPECT_NE(form->TreeView1->selectedAbsoluteIndex(), 4);
    EXPECT_EQ(currentName(), QStringLiteral("Справочники"));
    EXPECT_EQ(visits(), 3);
}

TEST_F(Form1Test, ToolbarButtonAndMenuEntryReachTheSameRow) {
    QAction* button = actionNamed(*form, "dxBarButton25");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), QStringLiteral("Справочники"));
    button->trigger();
    const int byToolbar = form->program().ADOTable1().currentRow();
    EXPECT_EQ(currentName(), QStringLiteral("Справочники"));
    EXPECT_EQ(form->TreeView1->selectedAbsoluteIndex(), 4);

    actionNamed(*form, "dxBarButton1")->trigger();
    EXPECT_EQ(form->program().ADOTable1().currentRow(), 0);

    QAction* entry = actionNamed(*form->PopMen(), "MenuItem3");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral("Справочники"));
    entry->trigger();
    EXPECT_EQ(form->program().ADOTable1().currentRow(), byToolbar);
    EXPECT_EQ(visits(), 4);
}

TEST_F(Form1Test, BarsAndMenusFollowTheButtonTables) {
    const QList<QToolBar*> bars = form->findChildren<QToolBar*>();
    ASSERT_EQ(bars.size(), 2);
    EXPECT_EQ(bars[0]->windowTitle(), QStringLiteral("Общие объекты"));
    EXPECT_EQ(bars[0]->actions().size(), 19);
    EXPECT_EQ(bars[1]->windowTitle(), QStringLiteral("Объекты метаданных"));
    EXPECT_EQ(bars[1]->actions().size(), 16);
    EXPECT_FALSE(bars[0]->isMovable());
    EXPECT_EQ(form->PopMen()->actions().size(), 17);
    EXPECT_EQ(form->PopMen()->actions().first()->menu()->actions().size(), 17);
    for (const char* idle : {"N2", "N3"}) {
        actionNamed(*form, idle)->trigger();
        EXPECT_EQ(visits(), 1) << idle;
    }
}

TEST_F(Form1Test, CopyPutsTheTextOfEd2AsTheUserLeftIt) {
    EXPECT_EQ(form->TabSheet2->Ed2->text(), QStringLiteral("Общие"));
    for (const QString& text :
         {QStringLiteral("Общие"), QStringLiteral("набрано вручную"), QString()}) {
        QApplication::clipboard()->setText(QStringLiteral("прежнее"));
        form->TabSheet2->Ed2->setText(text);
        form->TabSheet2->SpeedButton1->click();
        EXPECT_EQ(QApplication::clipboard()->text(), text);
    }
}

TEST_F(Form1Test, HistoryGridSelectionAndCurrentEntryFollowEachOther) {
    actionNamed(*form, "dxBarButton1")->trigger();
    QTableView* grid = form->TabSheet3->DBGrid4;
    const MemTable& history = form->program().history().MemNavig();
    EXPECT_EQ(grid->currentIndex().row(), 1);
    grid->selectRow(0);
    EXPECT_EQ(history.recNo(), 1);
    EXPECT_FALSE(form->TabSheet3->butNav(3)->isEnabled());
    EXPECT_TRUE(form->TabSheet3->butNav(4)->isEnabled());
    form->TabSheet3->butNav(4)->click();
    EXPECT_EQ(history.recNo(), 2);
    EXPECT_EQ(grid->currentIndex().row(), 1);
}
