#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelvane {

// The modal "О программе" box: program name, version, release date and a short description.
// One instance lives for the run; every showing looks the same.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QPushButton* okButton() const { return OKButton; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OKButtonClick();

    QPushButton* OKButton = nullptr;
};

} // namespace kelvane
