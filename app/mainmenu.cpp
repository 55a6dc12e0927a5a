#include "app/mainmenu.h"

#include "diagram/artwork.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace kelvane {

void addMainMenu(QMainWindow& window, const std::function<void()>& n5Click) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    bar->setContextMenuPolicy(Qt::PreventContextMenu);

    QMenu* files = bar->addMenu(QStringLiteral("Файлы"));
    files->menuAction()->setObjectName(QStringLiteral("N1"));
    files->addAction(artwork::imageList3(36), QStringLiteral("Открыть базу данных"))
        ->setObjectName(QStringLiteral("N3"));

    bar->addAction(QStringLiteral("Функции"))->setObjectName(QStringLiteral("N2"));

    QMenu* help = bar->addMenu(QStringLiteral("Помощь"));
    help->menuAction()->setObjectName(QStringLiteral("N4"));
    QAction* about = help->addAction(artwork::imageList3(35), QStringLiteral("О программе"));
    about->setObjectName(QStringLiteral("N5"));
    QObject::connect(about, &QAction::triggered, &window, [n5Click] { n5Click(); });
}

} // namespace kelvane
