#include "app/historypage.h"

#include "diagram/artwork.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kelvane {

namespace {

QPushButton* navButton(int number, const QString& hint, QWidget* parent) {
    auto* button = new QPushButton(artwork::historyButtonIcon(number), QString(), parent);
    button->setObjectName(QStringLiteral("ButNav%1").arg(number));
    button->setFixedSize(23, 22);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QWidget* strip(const char* name, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFixedWidth(27);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(1);
    return panel;
}

} // namespace

HistoryPage::HistoryPage(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet3"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    QWidget* panel6 = strip("Panel6", this);
    const QString hints[] = {
        QStringLiteral("Удалить все записи"), QStringLiteral("Удалить текущую запись"),
        QStringLiteral("Предыдущая запись"), QStringLiteral("Следующая запись"),
        QStringLiteral("Показать выбранную запись")};
    for (int number = 1; number <= 4; ++number) {
        butNav_[static_cast<std::size_t>(number - 1)] =
            navButton(number, hints[number - 1], panel6);
        panel6->layout()->addWidget(butNav(number));
    }
    static_cast<QVBoxLayout*>(panel6->layout())->addStretch();

    DBGrid4 = new QTableView(this);
    DBGrid4->setObjectName(QStringLiteral("DBGrid4"));
    DBGrid4->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid4->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid4->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid4->verticalHeader()->setDefaultSectionSize(18);
    DBGrid4->verticalHeader()->hide();

    QWidget* panel8 = strip("Panel8", this);
    auto* right = static_cast<QVBoxLayout*>(panel8->layout());
    right->addSpacing(23);
    butNav_[4] = navButton(5, hints[4], panel8);
    right->addWidget(butNav(5));
    right->addStretch();

    row->addWidget(panel6);
    row->addWidget(DBGrid4, 1);
    row->addWidget(panel8);
}

} // namespace kelvane
