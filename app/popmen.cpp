#include "app/popmen.h"

#include "diagram/artwork.h"
#include "navigation/popmenentries.h"

#include <QMenu>

namespace kelvane {

namespace {

// Menu texts show '&' as an accelerator mark; the captions are shown as written.
QString literal(QString caption) {
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

QMenu* createPopMen(QWidget* parent, const std::function<void(const PopMenEntry&)>& chosen) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("PopMen"));
    const PopMenSubmenu& common = popMenSubmenu();
    QMenu* submenu = menu->addMenu(artwork::imageList1(common.icon), literal(common.caption));
    submenu->setObjectName(common.component);
    submenu->menuAction()->setObjectName(common.component);
    for (const PopMenEntry& entry : popMenEntries()) {
        QMenu* owner = entry.inSubmenu ? submenu : menu;
        QAction* action = owner->addAction(artwork::imageList1(entry.icon), literal(entry.caption));
        action->setObjectName(entry.component);
        QObject::connect(action, &QAction::triggered, menu, [&entry, chosen] { chosen(entry); });
    }
    return menu;
}

} // namespace kelvane
