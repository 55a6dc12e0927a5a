#pragma once

#include <QWidget>

class QPushButton;
class QRadioButton;
class QTableView;

namespace kelvane {

// Tab2 "Таблица", a page the user never reaches: konfigtree in DBGrid1, Button1 that rebuilds
// the section index, two radio buttons without handlers and the section index in DBGrid2.
class TablePage : public QWidget {
    Q_OBJECT
public:
    explicit TablePage(QWidget* parent = nullptr);

    QTableView* DBGrid1 = nullptr;
    QPushButton* Button1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QTableView* DBGrid2 = nullptr;
};

} // namespace kelvane
