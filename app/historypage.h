#pragma once

#include <QWidget>
#include <array>

class QTableView;
class QPushButton;

namespace kelvane {

// TabSheet3 "История навигации": the history grid DBGrid4 between the button strips Panel6
// (ButNav1..ButNav4) and Panel8 (ButNav5).
class HistoryPage : public QWidget {
    Q_OBJECT
public:
    explicit HistoryPage(QWidget* parent = nullptr);

    // ButNav1..ButNav5 as 1..5.
    QPushButton* butNav(int number) const {
        return butNav_.at(static_cast<std::size_t>(number - 1));
    }
    QTableView* DBGrid4 = nullptr;

private:
    std::array<QPushButton*, 5> butNav_{};
};

} // namespace kelvane
