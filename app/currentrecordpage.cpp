#include "app/currentrecordpage.h"

#include "diagram/artwork.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvane {

namespace {

void placeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
}

QLineEdit* placeEdit(QWidget* parent, const char* name, int x, int y) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(x, y, 361, 21);
    return edit;
}

} // namespace

CurrentRecordPage::CurrentRecordPage(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet2"));
    placeLabel(this, "Label4", QStringLiteral("Полный путь :"), 4, 8);
    Ed1 = placeEdit(this, "Ed1", 100, 4);
    placeLabel(this, "Label3", QStringLiteral("Текущая Запись :"), 4, 36);
    Ed2 = placeEdit(this, "Ed2", 100, 32);
    SpeedButton1 = new QPushButton(artwork::copyButtonIcon(), QStringLiteral("Копировать"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(464, 31, 93, 22);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
}

} // namespace kelvane
