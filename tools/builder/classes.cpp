#include "tools/builder/classes.h"

#include "diagram/pictureindex.h"

namespace kelvane::builder {

using namespace picture;

const std::vector<ClassInfo>& commonClasses() {
    static const std::vector<ClassInfo> classes{
        {QStringLiteral("Подсистемы"), Subsystems, Subsystem},
        {QStringLiteral("Общие модули"), CommonModules, CommonModule},
        {QStringLiteral("Параметры сеанса"), SessionParameters, SessionParameter},
        {QStringLiteral("Роли"), Roles, Role},
        {QStringLiteral("Планы обмена"), ExchangePlans, ExchangePlan},
        {QStringLiteral("Критерии отбора"), FilterCriteria, FilterCriterion},
        {QStringLiteral("Подписки на события"), EventSubscriptions, EventSubscription},
        {QStringLiteral("Регламентные задания"), ScheduledJobs, ScheduledJob},
        {QStringLiteral("Общие формы"), CommonForms, CommonForm},
        {QStringLiteral("Интерфейсы"), Interfaces, Interface},
        {QStringLiteral("Общие макеты"), CommonTemplates, CommonTemplate},
        {QStringLiteral("Общие картинки"), CommonPictures, CommonPicture},
        {QStringLiteral("Пакеты XDTO"), XdtoPackages, XdtoPackage},
        {QStringLiteral("Web-сервисы"), WebServices, WebService},
        {QStringLiteral("WS-ссылки"), WsReferences, WsReference},
        {QStringLiteral("Стили"), Styles, Style},
        {QStringLiteral("Языки"), Languages, Language},
    };
    return classes;
}

const std::vector<ClassInfo>& metadataClasses() {
    static const std::vector<ClassInfo> classes{
        {QStringLiteral("Константы"), Constants, Constant},
        {QStringLiteral("Справочники"), Catalogs, Catalog},
        {QStringLiteral("Документы"), Documents, Document},
        {QStringLiteral("Журналы документов"), DocumentJournals, DocumentJournal},
        {QStringLiteral("Перечисления"), Enums, Enum},
        {QStringLiteral("Отчеты"), Reports, Report},
        {QStringLiteral("Обработки"), DataProcessors, DataProcessor},
        {QStringLiteral("Планы видов характеристик"), ChartsOfCharacteristicTypes,
         ChartOfCharacteristicTypes},
        // The Latin c after the blank is part of the name, as the toolbar spells it.
        {QStringLiteral("Планы cчетов"), ChartsOfAccounts, ChartOfAccounts},
        {QStringLiteral("Планы видов расчета"), ChartsOfCalculationTypes, ChartOfCalculationTypes},
        {QStringLiteral("Регистры сведений"), InformationRegisters, InformationRegister},
        {QStringLiteral("Регистры накопления"), AccumulationRegisters, AccumulationRegister},
        {QStringLiteral("Регистры бухгалтерии"), AccountingRegisters, AccountingRegister},
        {QStringLiteral("Регистры расчета"), CalculationRegisters, CalculationRegister},
        {QStringLiteral("Бизнес-процессы"), BusinessProcesses, BusinessProcess},
        {QStringLiteral("Задачи"), Tasks, Task},
    };
    return classes;
}

} // namespace kelvane::builder
