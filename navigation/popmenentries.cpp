#include "navigation/popmenentries.h"

namespace kelvane {

const PopMenSubmenu& popMenSubmenu() {
    static const PopMenSubmenu submenu{QStringLiteral("MenuItem1"), QStringLiteral("Общие"), 1};
    return submenu;
}

const std::vector<PopMenEntry>& popMenEntries() {
    using H = PopMenEntry::Handler;
    static const std::vector<PopMenEntry> entries = {
        {QStringLiteral("N18"), QStringLiteral("Подсистемы"), 2, H::MenuItem2Click, true},
        {QStringLiteral("N19"), QStringLiteral("Общие модули"), 4, H::MenuItem2Click, true},
        {QStringLiteral("N20"), QStringLiteral("Параметры сеанса"), 6, H::MenuItem2Click, true},
        {QStringLiteral("N21"), QStringLiteral("Роли"), 8, H::MenuItem2Click, true},
        {QStringLiteral("N22"), QStringLiteral("Планы обмена"), 10, H::MenuItem2Click, true},
        {QStringLiteral("N23"), QStringLiteral("Критерии отбора"), 20, H::MenuItem2Click, true},
        {QStringLiteral("N24"), QStringLiteral("Подписки на события"), 22, H::MenuItem2Click, true},
        {QStringLiteral("N25"), QStringLiteral("Регламентные задания"), 24, H::MenuItem2Click,
         true},
        {QStringLiteral("N26"), QStringLiteral("Общие формы"), 16, H::MenuItem2Click, true},
        {QStringLiteral("N27"), QStringLiteral("Интерфейсы"), 26, H::MenuItem2Click, true},
        {QStringLiteral("N28"), QStringLiteral("Общие макеты"), 18, H::MenuItem2Click, true},
        {QStringLiteral("N29"), QStringLiteral("Общие картинки"), 30, H::MenuItem2Click, true},
        {QStringLiteral("XDTO1"), QStringLiteral("Пакеты XDTO"), 32, H::XDTO1Click, true},
        {QStringLiteral("Web1"), QStringLiteral("Web-сервисы"), 33, H::Web1Click, true},
        {QStringLiteral("WS1"), QStringLiteral("WS-ссылки"), 34, H::WS1Click, true},
        {QStringLiteral("N30"), QStringLiteral("Стили"), 35, H::MenuItem2Click, true},
        {QStringLiteral("N31"), QStringLiteral("Языки"), 39, H::MenuItem2Click, true},
        {QStringLiteral("MenuItem2"), QStringLiteral("Константы"), 41, H::MenuItem2Click, false},
        {QStringLiteral("MenuItem3"), QStringLiteral("Справочники"), 43, H::MenuItem2Click, false},
        {QStringLiteral("MenuItem4"), QStringLiteral("Документы"), 45, H::MenuItem2Click, false},
        {QStringLiteral("MenuItem5"), QStringLiteral("Журналы документов"), 52, H::MenuItem2Click,
         false},
        {QStringLiteral("N6"), QStringLiteral("Перечисления"), 56, H::MenuItem2Click, false},
        {QStringLiteral("N7"), QStringLiteral("Отчеты"), 60, H::MenuItem2Click, false},
        {QStringLiteral("N8"), QStringLiteral("Обработки"), 62, H::MenuItem2Click, false},
        {QStringLiteral("N9"), QStringLiteral("Планы видов характеристик"), 64, H::MenuItem2Click,
         false},
        {QStringLiteral("N10"), QStringLiteral("Планы cчетов"), 66, H::N10Click, false},
        {QStringLiteral("N11"), QStringLiteral("Планы видов расчета"), 72, H::MenuItem2Click,
         false},
        {QStringLiteral("N12"), QStringLiteral("Регистры сведений"), 74, H::MenuItem2Click, false},
        {QStringLiteral("N13"), QStringLiteral("Регистры накопления"), 80, H::MenuItem2Click,
         false},
        {QStringLiteral("N14"), QStringLiteral("Регистры бухгалтерии"), 82, H::MenuItem2Click,
         false},
        {QStringLiteral("N15"), QStringLiteral("Регистры расчета"), 84, H::MenuItem2Click, false},
        {QStringLiteral("N16"), QStringLiteral("Бизнес-процессы"), 85, H::MenuItem2Click, false},
        {QStringLiteral("N17"), QStringLiteral("Задачи"), 87, H::MenuItem2Click, false},
    };
    return entries;
}

} // namespace kelvane
