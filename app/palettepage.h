#pragma once

#include <QWidget>

class QLabel;
class QTableView;

namespace kelvane {

// Tab3 "Tab3", a page the user never reaches: the palette swatches of the diagrams, the labels
// that receive the mouse position over the surface and the hit regions in DBGrid3.
class PalettePage : public QWidget {
    Q_OBJECT
public:
    explicit PalettePage(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QTableView* DBGrid3 = nullptr;
};

} // namespace kelvane
