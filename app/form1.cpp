#include "app/form1.h"

#include "app/aboutbox.h"
#include "app/currentrecordpage.h"
#include "app/designfont.h"
#include "app/historypage.h"
#include "app/mainmenu.h"
#include "app/palettepage.h"
#include "app/popmen.h"
#include "app/storedtreemodel.h"
#include "app/storedtreeview.h"
#include "app/tablepage.h"
#include "app/toolbars.h"
#include "app/treeview1target.h"
#include "diagram/artwork.h"
#include "diagram/diagrams.h"
#include "diagram/hitregions.h"
#include "diagram/surfaceclicks.h"
#include "diagram/surfacewidget.h"
#include "navigation/clipboard.h"
#include "navigation/gridlayouts.h"
#include "navigation/popmenentries.h"
#include "navigation/toolbarbuttons.h"
#include "store/memtablemodel.h"
#include "store/resultsetmodel.h"
#include "store/treetext/loadtree.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kelvane {

namespace {

// Runs a drawing routine and shows the surface afterwards, also when the routine stopped early.
std::function<void()> shown(std::function<void()> routine, SurfaceWidget*& widget) {
    return [routine = std::move(routine), &widget] {
        struct Refresh {
            SurfaceWidget* widget;
            ~Refresh() {
                if (widget)
                    widget->refresh();
            }
        } refresh{widget};
        routine();
    };
}

// Shows the model in the grid with the columns' widths and a title row of one text line.
void attach(QTableView* grid, QAbstractItemModel* model, const std::vector<GridColumn>& columns) {
    grid->setModel(model);
    QHeaderView* header = grid->horizontalHeader();
    header->setMinimumHeight(grid->fontMetrics().height() + 6);
    for (int column = 0; column < static_cast<int>(columns.size()); ++column)
        header->resizeSection(column, columns[static_cast<std::size_t>(column)].width);
}

std::vector<GridColumn> memRazdelColumns() {
    return {{QStringLiteral("num"), QStringLiteral("num"), 50},
            {QStringLiteral("name"), QStringLiteral("name"), 180}};
}

std::vector<GridColumn> memKordinatColumns() {
    std::vector<GridColumn> columns;
    for (const char* field : {"id", "name", "x1", "y1", "x2", "y2", "P"})
        columns.push_back(
            {QString::fromLatin1(field), QString::fromLatin1(field), field[0] == 'n' ? 160 : 40});
    return columns;
}

} // namespace

TForm1::TForm1(ErrorSink& sink, const QString& databasePath, QWidget* parent)
    : QMainWindow(parent)
    , sink_(sink)
    , program_(*this, sink) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kelvane 1С: Предприятие 8.1"));
    setWindowIcon(artwork::programIcon());
    setFont(designFont());
    resize(950, 587);

    diagrams_ =
        std::make_unique<Diagrams>(program_.database(), program_.ADOTable1(), program_.navigator());
    DiagramRoutines routines = routinesOf(*diagrams_);
    program_.setRoutines({shown(std::move(routines.DiagramKorn), Image1),
                          shown(std::move(routines.DiagramObshie), Image1),
                          shown(std::move(routines.DiagramObject), Image1),
                          shown(std::move(routines.DiagramObject1), Image1)});

    aboutBox_ = new TAboutBox(this);
    addMainMenu(*this, [this] { program_.run([this] { N5Click(); }); });
    addToolbars(*this, [this](const ToolbarButton& button) {
        program_.run([this, &button] {
            if (button.handler == ToolbarButton::Handler::dxBarButton1Click)
                program_.jumps().dxBarButton1Click();
            else
                program_.jumps().dxBarButton2Click(button.caption);
        });
    });
    buildStatusBar();

    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    auto* fill = new QVBoxLayout(panel1);
    fill->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, panel1);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(buildTreePanel());
    PageControl1 = new QTabWidget(Splitter1);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setIconSize(QSize(16, 16));
    PageControl1->addTab(buildDataPage(), QStringLiteral("Данные"));
    Tab2 = new TablePage(PageControl1);
    PageControl1->addTab(Tab2, artwork::imageList1(1), QStringLiteral("Таблица"));
    Tab3 = new PalettePage(PageControl1);
    PageControl1->addTab(Tab3, artwork::imageList1(2), QStringLiteral("Tab3"));
    Splitter1->addWidget(PageControl1);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({185, 765});
    fill->addWidget(Splitter1);
    setCentralWidget(panel1);

    wireHandlers();
    program_.create(databasePath, diagrams_->hitRegions().MemKordinat());
    wireGrids();
}

// The grid models are children of the window but watch tables that its members own: they go
// first, while those tables still exist.
TForm1::~TForm1() {
    qDeleteAll(findChildren<MemTableModel*>(Qt::FindDirectChildrenOnly));
}

QWidget* TForm1::buildTreePanel() {
    auto* panel2 = new QWidget;
    panel2->setObjectName(QStringLiteral("Panel2"));
    auto* fill = new QVBoxLayout(panel2);
    fill->setContentsMargins(0, 0, 0, 0);
    TreeView1 = new StoredTreeView(panel2);
    fill->addWidget(TreeView1);
    panel2->setMinimumWidth(60);
    return panel2;
}

QWidget* TForm1::buildDataPage() {
    auto* tab1 = new QWidget;
    tab1->setObjectName(QStringLiteral("Tab1"));
    auto* fill = new QVBoxLayout(tab1);
    fill->setContentsMargins(0, 0, 0, 0);
    Splitter2 = new QSplitter(Qt::Vertical, tab1);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setChildrenCollapsible(false);
    Splitter2->setHandleWidth(3);
    Image1 = new SurfaceWidget(diagrams_->surface(), Splitter2);
    Image1->setObjectName(QStringLiteral("ScrollBox1"));
    Splitter2->addWidget(Image1);

    PageControl2 = new QTabWidget(Splitter2);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setIconSize(QSize(16, 16));
    TabSheet2 = new CurrentRecordPage(PageControl2);
    PageControl2->addTab(TabSheet2, artwork::imageList1(94), QStringLiteral("Текущие данные"));
    TabSheet3 = new HistoryPage(PageControl2);
    PageControl2->addTab(TabSheet3, artwork::imageList1(95), QStringLiteral("История навигации"));
    PageControl2->setCurrentWidget(TabSheet3);
    PageControl2->setMinimumHeight(60);
    Splitter2->addWidget(PageControl2);
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 0);
    Splitter2->setSizes({320, 133});
    fill->addWidget(Splitter2);
    return tab1;
}

void TForm1::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    for (int width : {100, 70, 70, 50}) {
        auto* panel = new QLabel(bar);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedWidth(width);
        bar->addWidget(panel);
    }
}

void TForm1::wireHandlers() {
    connect(TreeView1, &StoredTreeView::nodeClicked, this, [this] {
        program_.run(
            [this] { program_.navigator().TreeView1Click(TreeView1->selectedAbsoluteIndex()); });
    });

    popMen_ = createPopMen(this, [this](const PopMenEntry& entry) {
        program_.run([this, &entry] { program_.jumps().choose(entry); });
    });
    Image1->setContextMenu(popMen_);
    SurfaceClicks& clicks = diagrams_->clicks();
    connect(Image1, &SurfaceWidget::mouseReleased, this,
            [this, &clicks](Qt::MouseButton button, int x, int y) {
                program_.run([&clicks, button, x, y] { clicks.Image1MouseUp(button, x, y); });
            });
    connect(Image1, &SurfaceWidget::mouseMoved, this, [this, &clicks](int x, int y) {
        program_.run([this, &clicks, x, y] {
            clicks.Image1MouseMove(x, y);
            Tab3->Label1->setText(clicks.label1());
            Tab3->Label2->setText(clicks.label2());
        });
    });

    connect(TabSheet2->SpeedButton1, &QPushButton::clicked, this,
            [this] { program_.run([this] { SpeedButton1Click(TabSheet2->Ed2->text()); }); });

    History& history = program_.history();
    const std::array<void (History::*)(), 5> handlers = {
        &History::ButNav1Click, &History::ButNav2Click, &History::ButNav3Click,
        &History::ButNav4Click, &History::ButNav5Click};
    for (int number = 1; number <= 5; ++number) {
        const auto handler = handlers[static_cast<std::size_t>(number - 1)];
        connect(TabSheet3->butNav(number), &QPushButton::clicked, this, [this, &history, handler] {
            program_.run([&history, handler] { (history.*handler)(); });
        });
    }
    const auto applyStates = [this](const NavButtonStates& states) {
        TabSheet3->butNav(2)->setEnabled(states.ButNav2);
        TabSheet3->butNav(3)->setEnabled(states.ButNav3);
        TabSheet3->butNav(4)->setEnabled(states.ButNav4);
        TabSheet3->butNav(5)->setEnabled(states.ButNav5);
    };
    history.setOnButtonStates(applyStates);
    applyStates(history.buttonStates());

    connect(Tab2->Button1, &QPushButton::clicked, this,
            [this] { program_.run([this] { program_.sections().LoadRazdel(); }); });
}

void TForm1::wireGrids() {
    memNavigModel_ = new MemTableModel(program_.history().MemNavig(), dbGrid4Columns(), this);
    attach(TabSheet3->DBGrid4, memNavigModel_, dbGrid4Columns());
    followHistorySelection();

    konfigModel_ = new ResultSetModel(dbGrid1Columns(), this);
    if (program_.ADOTable1().isOpen())
        konfigModel_->setResult(program_.ADOTable1().result());
    attach(Tab2->DBGrid1, konfigModel_, dbGrid1Columns());

    auto* razdel = new MemTableModel(program_.sections().MemRazdel(), memRazdelColumns(), this);
    attach(Tab2->DBGrid2, razdel, memRazdelColumns());

    auto* kordinat =
        new MemTableModel(diagrams_->hitRegions().MemKordinat(), memKordinatColumns(), this);
    attach(Tab3->DBGrid3, kordinat, memKordinatColumns());
}

// DBGrid4 highlights the current row of MemNavig; a row chosen in the grid becomes current.
void TForm1::followHistorySelection() {
    QTableView* grid = TabSheet3->DBGrid4;
    const auto showCurrent = [grid](int row) {
        if (row < 0)
            grid->clearSelection();
        else if (grid->currentIndex().row() != row || !grid->selectionModel()->hasSelection())
            grid->selectRow(row);
    };
    connect(memNavigModel_, &MemTableModel::currentRowChanged, grid, showCurrent);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() != memNavigModel_->currentRow())
                    program_.run(
                        [this, row = current.row()] { memNavigModel_->setCurrentRow(row); });
            });
    showCurrent(memNavigModel_->currentRow());
}

void TForm1::N5Click() {
    aboutBox_->open();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    centreOnScreen();
    program_.FormShow([this](Query& tbstructura) {
        TreeView1Target target(*TreeView1);
        LoadTree(tbstructura, target);
    });
}

void TForm1::centreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void TForm1::focusTree() {
    TreeView1->setFocus(Qt::OtherFocusReason);
}

void TForm1::selectAbsoluteIndex(int index) {
    TreeView1->selectAbsoluteIndex(index);
}

std::optional<int> TForm1::firstNodeChildCount() const {
    const StoredTreeModel& nodes = TreeView1->nodes();
    if (nodes.nodeCount() == 0)
        return std::nullopt;
    return nodes.rowCount(nodes.indexOfAbsolute(0));
}

void TForm1::setTreeRowHeight(int pixels) {
    TreeView1->setRowHeight(pixels);
}

void TForm1::setTab1Caption(const QString& caption) {
    QString text = caption;
    PageControl1->setTabText(0, text.replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void TForm1::setTab1Icon(int index) {
    PageControl1->setTabIcon(0, artwork::imageList1(index));
}

void TForm1::hideTab2AndTab3() {
    PageControl1->setTabVisible(1, false);
    PageControl1->setTabVisible(2, false);
}

void TForm1::setEd1(const QString& path) {
    TabSheet2->Ed1->setText(path);
}

void TForm1::setEd2(const QString& name) {
    TabSheet2->Ed2->setText(name);
}

} // namespace kelvane
