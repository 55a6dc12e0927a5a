#include "app/tablepage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kelvane {

namespace {

QTableView* grid(const char* name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(18);
    return view;
}

} // namespace

TablePage::TablePage(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Tab2"));
    DBGrid1 = grid("DBGrid1", this);
    DBGrid2 = grid("DBGrid2", this);
    Button1 = new QPushButton(QStringLiteral("Button1"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    RadioButton1 = new QRadioButton(QStringLiteral("RadioButton1"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("RadioButton2"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(Button1);
    controls->addWidget(RadioButton1);
    controls->addWidget(RadioButton2);
    controls->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addWidget(DBGrid1, 2);
    column->addLayout(controls);
    column->addWidget(DBGrid2, 1);
}

} // namespace kelvane
