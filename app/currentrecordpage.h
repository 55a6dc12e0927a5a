#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace kelvane {

// TabSheet2 "Текущие данные": the path (Ed1) and the name (Ed2) of the record on the surface and
// the button "Копировать" that copies the name as the user sees it.
class CurrentRecordPage : public QWidget {
    Q_OBJECT
public:
    explicit CurrentRecordPage(QWidget* parent = nullptr);

    QLineEdit* Ed1 = nullptr;
    QLineEdit* Ed2 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
};

} // namespace kelvane
