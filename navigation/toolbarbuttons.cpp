#include "navigation/toolbarbuttons.h"

namespace kelvane {

QString toolbarCaption(int bar) {
    return bar == 0 ? QStringLiteral("Общие объекты") : QStringLiteral("Объекты метаданных");
}

QString toolbarComponent(int bar) {
    return bar == 0 ? QStringLiteral("dxBarManager1Bar1") : QStringLiteral("dxBarManager1Bar2");
}

const std::vector<ToolbarButton>& toolbarButtons() {
    using H = ToolbarButton::Handler;
    static const std::vector<ToolbarButton> buttons = {
        {QStringLiteral("dxBarButton1"), QStringLiteral("Конфигурация"), 0, 0,
         H::dxBarButton1Click},
        {QStringLiteral("dxBarButton2"), QStringLiteral("Общие"), 1, 0, H::dxBarButton2Click},
        {QStringLiteral("dxBarButton3"), QStringLiteral("Подсистемы"), 2, 0, H::dxBarButton2Click},
        {QStringLiteral("dxBarButton4"), QStringLiteral("Общие модули"), 3, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton5"), QStringLiteral("Параметры сеанса"), 4, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton6"), QStringLiteral("Роли"), 5, 0, H::dxBarButton2Click},
        {QStringLiteral("dxBarButton7"), QStringLiteral("Планы обмена"), 6, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton8"), QStringLiteral("Критерии отбора"), 7, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton9"), QStringLiteral("Подписки на события"), 8, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton10"), QStringLiteral("Регламентные задания"), 9, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton11"), QStringLiteral("Общие формы"), 10, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton12"), QStringLiteral("Интерфейсы"), 11, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton13"), QStringLiteral("Общие макеты"), 12, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton14"), QStringLiteral("Общие картинки"), 13, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton16"), QStringLiteral("Пакеты XDTO"), 14, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton15"), QStringLiteral("Web-сервисы"), 15, 0,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton17"), QStringLiteral("WS-ссылки"), 16, 0, H::dxBarButton2Click},
        {QStringLiteral("dxBarButton19"), QStringLiteral("Стили"), 17, 0, H::dxBarButton2Click},
        {QStringLiteral("dxBarButton18"), QStringLiteral("Языки"), 18, 0, H::dxBarButton2Click},
        {QStringLiteral("dxBarButton20"), QStringLiteral("Константы"), 19, 1, H::dxBarButton2Click},
        {QStringLiteral("dxBarButton25"), QStringLiteral("Справочники"), 20, 1,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton24"), QStringLiteral("Документы"), 21, 1, H::dxBarButton2Click},
        {QStringLiteral("dxBarButton26"), QStringLiteral("Журналы документов"), 22, 1,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton23"), QStringLiteral("Перечисления"), 23, 1,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton22"), QStringLiteral("Отчеты"), 24, 1, H::dxBarButton2Click},
        {QStringLiteral("dxBarButton21"), QStringLiteral("Обработки"), 25, 1, H::dxBarButton2Click},
        {QStringLiteral("dxBarButton29"), QStringLiteral("Планы видов характеристик"), 26, 1,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton28"), QStringLiteral("Планы cчетов"), 27, 1,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton27"), QStringLiteral("Планы видов расчета"), 28, 1,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton30"), QStringLiteral("Регистры сведений"), 29, 1,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton34"), QStringLiteral("Регистры накопления"), 30, 1,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton33"), QStringLiteral("Регистры бухгалтерии"), 31, 1,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton32"), QStringLiteral("Регистры расчета"), 32, 1,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton31"), QStringLiteral("Бизнес-процессы"), 33, 1,
         H::dxBarButton2Click},
        {QStringLiteral("dxBarButton35"), QStringLiteral("Задачи"), 34, 1, H::dxBarButton2Click},
    };
    return buttons;
}

} // namespace kelvane
