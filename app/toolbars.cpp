#include "app/toolbars.h"

#include "diagram/artwork.h"
#include "navigation/toolbarbuttons.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

namespace kelvane {

std::vector<QToolBar*> addToolbars(QMainWindow& window,
                                   const std::function<void(const ToolbarButton&)>& pressed) {
    std::vector<QToolBar*> bars;
    for (int bar = 0; bar < ToolbarCount; ++bar) {
        if (bar > 0)
            window.addToolBarBreak(Qt::TopToolBarArea);
        auto* toolbar = new QToolBar(toolbarCaption(bar), &window);
        toolbar->setObjectName(toolbarComponent(bar));
        toolbar->setMovable(false);
        toolbar->setFloatable(false);
        toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
        toolbar->setIconSize(QSize(16, 16));
        toolbar->toggleViewAction()->setEnabled(false);
        window.addToolBar(Qt::TopToolBarArea, toolbar);
        bars.push_back(toolbar);
    }
    for (const ToolbarButton& button : toolbarButtons()) {
        QString text = button.caption;
        QAction* action = bars.at(static_cast<std::size_t>(button.bar))
                              ->addAction(artwork::imageList3(button.icon),
                                          text.replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setObjectName(button.component);
        action->setToolTip(button.caption);
        QObject::connect(action, &QAction::triggered, &window,
                         [&button, pressed] { pressed(button); });
    }
    return bars;
}

} // namespace kelvane
