#include "app/aboutbox.h"

#include "app/designfont.h"
#include "diagram/artwork.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace kelvane {

namespace {

QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

const QString description = QStringLiteral(
    "Программа Kelvane предназначена для специалистов и разработчиков занимающихся изучением и "
    "разработкой прикладных решений на технологической платформе 1С: Предприятие 8.1. Позволяет "
    "получить информацию обо всех объектах метаданных конфигурации. Их структуру и свойства. "
    "Позволяет быстро перемещаться к необходимому объекту и получать всю необходимую "
    "информацию.");

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О программе"));
    setModal(true);
    setFont(designFont());
    setFixedSize(315, 362);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(8, 8, 297, 313);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(16, 16, 32, 32);
    icon->setPixmap(artwork::programIcon().pixmap(32, 32));

    placeLabel(panel, "ProductName", QStringLiteral("Название :"), 68, 20);
    auto* comments = placeLabel(panel, "Comments", QStringLiteral("Kelvane"), 144, 20);
    comments->setWordWrap(true);
    comments->setFixedWidth(144);
    placeLabel(panel, "Version", QStringLiteral("Версия :"), 68, 43);
    placeLabel(panel, "Label3", QStringLiteral(KELVANE_VERSION), 144, 43);
    placeLabel(panel, "Label1", QStringLiteral("Дата релиза :"), 68, 66);
    placeLabel(panel, "Label2", QStringLiteral("06.10.2015"), 144, 66);

    auto* bevel = new QFrame(panel);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(12, 140, 273, 157);

    auto* text = new QLabel(description, panel);
    text->setObjectName(QStringLiteral("Label7"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(24, 148, 243, 130);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(120, 328, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::showEvent(QShowEvent* event) {
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TAboutBox::OKButtonClick() {
    accept();
}

} // namespace kelvane
