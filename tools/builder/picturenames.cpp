#include "tools/builder/picturenames.h"

#include "diagram/pictureindex.h"

#include <QHash>

namespace kelvane::builder {

std::optional<int> pictureByName(const QString& name) {
    static const QHash<QString, int> pictures = [] {
        const std::pair<QString, int> named[] = {
            {QStringLiteral("Configuration"), picture::Configuration},
            {QStringLiteral("CommonNode"), picture::CommonNode},
            {QStringLiteral("Subsystems"), picture::Subsystems},
            {QStringLiteral("Subsystem"), picture::Subsystem},
            {QStringLiteral("CommonModules"), picture::CommonModules},
            {QStringLiteral("CommonModule"), picture::CommonModule},
            {QStringLiteral("SessionParameters"), picture::SessionParameters},
            {QStringLiteral("SessionParameter"), picture::SessionParameter},
            {QStringLiteral("Roles"), picture::Roles},
            {QStringLiteral("Role"), picture::Role},
            {QStringLiteral("ExchangePlans"), picture::ExchangePlans},
            {QStringLiteral("ExchangePlan"), picture::ExchangePlan},
            {QStringLiteral("XdtoPackage"), picture::XdtoPackage},
            {QStringLiteral("WebService"), picture::WebService},
            {QStringLiteral("WsReference"), picture::WsReference},
            {QStringLiteral("Style"), picture::Style},
            {QStringLiteral("CommonForms"), picture::CommonForms},
            {QStringLiteral("CommonForm"), picture::CommonForm},
            {QStringLiteral("CommonTemplates"), picture::CommonTemplates},
            {QStringLiteral("CommonTemplate"), picture::CommonTemplate},
            {QStringLiteral("FilterCriteria"), picture::FilterCriteria},
            {QStringLiteral("FilterCriterion"), picture::FilterCriterion},
            {QStringLiteral("EventSubscriptions"), picture::EventSubscriptions},
            {QStringLiteral("EventSubscription"), picture::EventSubscription},
            {QStringLiteral("ScheduledJobs"), picture::ScheduledJobs},
            {QStringLiteral("ScheduledJob"), picture::ScheduledJob},
            {QStringLiteral("Interfaces"), picture::Interfaces},
            {QStringLiteral("Interface"), picture::Interface},
            {QStringLiteral("CalculationRegister"), picture::CalculationRegister},
            {QStringLiteral("TemplatesGroup"), picture::TemplatesGroup},
            {QStringLiteral("CommonPictures"), picture::CommonPictures},
            {QStringLiteral("CommonPicture"), picture::CommonPicture},
            {QStringLiteral("XdtoPackages"), picture::XdtoPackages},
            {QStringLiteral("WebServices"), picture::WebServices},
            {QStringLiteral("WsReferences"), picture::WsReferences},
            {QStringLiteral("Styles"), picture::Styles},
            {QStringLiteral("Template"), picture::Template},
            {QStringLiteral("DimensionsGroup"), picture::DimensionsGroup},
            {QStringLiteral("Dimension"), picture::Dimension},
            {QStringLiteral("Languages"), picture::Languages},
            {QStringLiteral("Language"), picture::Language},
            {QStringLiteral("Constants"), picture::Constants},
            {QStringLiteral("Constant"), picture::Constant},
            {QStringLiteral("Catalogs"), picture::Catalogs},
            {QStringLiteral("Catalog"), picture::Catalog},
            {QStringLiteral("Documents"), picture::Documents},
            {QStringLiteral("Document"), picture::Document},
            {QStringLiteral("ResourcesGroup"), picture::ResourcesGroup},
            {QStringLiteral("Resource"), picture::Resource},
            {QStringLiteral("GraphsGroup"), picture::GraphsGroup},
            {QStringLiteral("Graph"), picture::Graph},
            {QStringLiteral("ValuesGroup"), picture::ValuesGroup},
            {QStringLiteral("DocumentJournals"), picture::DocumentJournals},
            {QStringLiteral("DocumentJournal"), picture::DocumentJournal},
            {QStringLiteral("EnumValue"), picture::EnumValue},
            {QStringLiteral("AddressingAttributesGroup"), picture::AddressingAttributesGroup},
            {QStringLiteral("Enums"), picture::Enums},
            {QStringLiteral("Enum"), picture::Enum},
            {QStringLiteral("AttributesGroup"), picture::AttributesGroup},
            {QStringLiteral("Attribute"), picture::Attribute},
            {QStringLiteral("Reports"), picture::Reports},
            {QStringLiteral("Report"), picture::Report},
            {QStringLiteral("DataProcessors"), picture::DataProcessors},
            {QStringLiteral("DataProcessor"), picture::DataProcessor},
            {QStringLiteral("ChartsOfCharacteristicTypes"), picture::ChartsOfCharacteristicTypes},
            {QStringLiteral("ChartOfCharacteristicTypes"), picture::ChartOfCharacteristicTypes},
            {QStringLiteral("ChartsOfAccounts"), picture::ChartsOfAccounts},
            {QStringLiteral("ChartOfAccounts"), picture::ChartOfAccounts},
            {QStringLiteral("TabularSectionsGroup"), picture::TabularSectionsGroup},
            {QStringLiteral("TabularSection"), picture::TabularSection},
            {QStringLiteral("FormsGroup"), picture::FormsGroup},
            {QStringLiteral("Form"), picture::Form},
            {QStringLiteral("ChartsOfCalculationTypes"), picture::ChartsOfCalculationTypes},
            {QStringLiteral("ChartOfCalculationTypes"), picture::ChartOfCalculationTypes},
            {QStringLiteral("InformationRegisters"), picture::InformationRegisters},
            {QStringLiteral("InformationRegister"), picture::InformationRegister},
            {QStringLiteral("TabularSectionAttribute"), picture::TabularSectionAttribute},
            {QStringLiteral("StandardAttribute"), picture::StandardAttribute},
            {QStringLiteral("RoutePoint"), picture::RoutePoint},
            {QStringLiteral("AddressingAttribute"), picture::AddressingAttribute},
            {QStringLiteral("AccumulationRegisters"), picture::AccumulationRegisters},
            {QStringLiteral("AccumulationRegister"), picture::AccumulationRegister},
            {QStringLiteral("AccountingRegisters"), picture::AccountingRegisters},
            {QStringLiteral("AccountingRegister"), picture::AccountingRegister},
            {QStringLiteral("CalculationRegisters"), picture::CalculationRegisters},
            {QStringLiteral("BusinessProcesses"), picture::BusinessProcesses},
            {QStringLiteral("BusinessProcess"), picture::BusinessProcess},
            {QStringLiteral("Tasks"), picture::Tasks},
            {QStringLiteral("Task"), picture::Task},
            {QStringLiteral("PredefinedItem"), picture::PredefinedItem},
            {QStringLiteral("ObjectModule"), picture::ObjectModule},
            {QStringLiteral("Procedure"), picture::Procedure},
            {QStringLiteral("Function"), picture::Function},
            {QStringLiteral("OtherNode"), picture::OtherNode},
        };
        QHash<QString, int> byName;
        for (const auto& [key, index] : named)
            byName.insert(key.toLower(), index);
        return byName;
    }();
    const auto found = pictures.constFind(name.toLower());
    if (found == pictures.cend())
        return std::nullopt;
    return *found;
}

} // namespace kelvane::builder
