#pragma once

#include "navigation/navigatorview.h"
#include "navigation/program.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QSplitter;

namespace kelvane {

class CurrentRecordPage;
class Diagrams;
class ErrorSink;
class HistoryPage;
class MemTableModel;
class PalettePage;
class ResultSetModel;
class StoredTreeView;
class SurfaceWidget;
class TAboutBox;
class TablePage;

// The main window: menu and toolbars, the navigation tree, the diagram page with the current
// record and the history below it, and the two hidden pages. It owns the data objects (through
// Program) and the drawing routines, opens the database while it is built and runs the start
// sequence at its first show. Every handler reports its errors through the sink.
class TForm1 : public QMainWindow, public NavigatorView {
    Q_OBJECT
public:
    explicit TForm1(ErrorSink& sink, const QString& databasePath = QStringLiteral("Baza.mdb"),
                    QWidget* parent = nullptr);
    ~TForm1() override;

    Program& program() { return program_; }
    TAboutBox& aboutBox() const { return *aboutBox_; }
    QMenu* PopMen() const { return popMen_; }

    void N5Click();

    // NavigatorView
    void focusTree() override;
    void selectAbsoluteIndex(int index) override;
    std::optional<int> firstNodeChildCount() const override;
    void setTreeRowHeight(int pixels) override;
    void setTab1Caption(const QString& caption) override;
    void setTab1Icon(int index) override;
    void hideTab2AndTab3() override;
    void setEd1(const QString& path) override;
    void setEd2(const QString& name) override;

    StoredTreeView* TreeView1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    SurfaceWidget* Image1 = nullptr;
    QSplitter* Splitter2 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    CurrentRecordPage* TabSheet2 = nullptr;
    HistoryPage* TabSheet3 = nullptr;
    TablePage* Tab2 = nullptr;
    PalettePage* Tab3 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    // The bars have no toggle menu.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    QWidget* buildTreePanel();
    QWidget* buildDataPage();
    void buildStatusBar();
    void wireHandlers();
    void wireGrids();
    void followHistorySelection();
    void centreOnScreen();

    ErrorSink& sink_;
    Program program_;
    std::unique_ptr<Diagrams> diagrams_;
    TAboutBox* aboutBox_ = nullptr;
    QMenu* popMen_ = nullptr;
    MemTableModel* memNavigModel_ = nullptr;
    ResultSetModel* konfigModel_ = nullptr;
    bool shown_ = false;
};

} // namespace kelvane
