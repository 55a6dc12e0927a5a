#include "app/palettepage.h"

#include "diagram/color.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <cstdint>
#include <utility>

namespace kelvane {

namespace {

QFrame* swatch(const char* name, std::uint32_t bgr, QWidget* parent) {
    auto* shape = new QFrame(parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setFixedSize(25, 25);
    shape->setAutoFillBackground(true);
    QPalette colours = shape->palette();
    colours.setColor(QPalette::Window, fromBgr(bgr));
    shape->setPalette(colours);
    shape->setToolTip(shape->objectName());
    return shape;
}

QLabel* label(const char* name, QWidget* parent) {
    auto* result = new QLabel(QString::fromLatin1(name), parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

} // namespace

PalettePage::PalettePage(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Tab3"));
    const std::pair<const char*, std::uint32_t> shapes[] = {{"Shape9", palette::Shape9},
                                                            {"Shape17", palette::Shape17},
                                                            {"Shape6", palette::Shape6},
                                                            {"Shape5", palette::Shape5},
                                                            {"Shape12", palette::Shape12}};
    auto* swatches = new QHBoxLayout;
    for (const auto& [name, bgr] : shapes)
        swatches->addWidget(swatch(name, bgr, this));
    Label1 = label("Label1", this);
    Label2 = label("Label2", this);
    swatches->addSpacing(12);
    swatches->addWidget(Label1);
    swatches->addWidget(Label2);
    swatches->addStretch();

    DBGrid3 = new QTableView(this);
    DBGrid3->setObjectName(QStringLiteral("DBGrid3"));
    DBGrid3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid3->verticalHeader()->setDefaultSectionSize(18);

    auto* column = new QVBoxLayout(this);
    column->addLayout(swatches);
    column->addWidget(DBGrid3, 1);
}

} // namespace kelvane
