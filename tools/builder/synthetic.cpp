#include "tools/builder/synthetic.h"

#include "diagram/pictureindex.h"
#include "store/error.h"
#include "tools/builder/classes.h"

#include <QStringList>
#include <optional>
#include <random>

namespace kelvane::builder {

namespace {

using namespace picture;

const QStringList firstWords{
    QStringLiteral("Товары"),     QStringLiteral("Контрагенты"), QStringLiteral("Склады"),
    QStringLiteral("Цены"),       QStringLiteral("Заказы"),      QStringLiteral("Расчеты"),
    QStringLiteral("Остатки"),    QStringLiteral("Продажи"),     QStringLiteral("Закупки"),
    QStringLiteral("Сотрудники"), QStringLiteral("Договоры"),    QStringLiteral("Партии"),
    QStringLiteral("Кассы"),      QStringLiteral("Банки"),       QStringLiteral("Скидки"),
    QStringLiteral("Поставки"),   QStringLiteral("Возвраты"),    QStringLiteral("Услуги"),
};
const QStringList secondWords{
    QStringLiteral("Организаций"), QStringLiteral("Покупателей"), QStringLiteral("Поставщиков"),
    QStringLiteral("НаСкладах"),   QStringLiteral("Розничные"),   QStringLiteral("Оптовые"),
    QStringLiteral("ПоДоговорам"), QStringLiteral("Плановые"),    QStringLiteral("Фактические"),
};
const QStringList attributeWords{
    QStringLiteral("Код"),           QStringLiteral("Наименование"),  QStringLiteral("Дата"),
    QStringLiteral("Сумма"),         QStringLiteral("Количество"),    QStringLiteral("Цена"),
    QStringLiteral("Контрагент"),    QStringLiteral("Склад"),         QStringLiteral("Комментарий"),
    QStringLiteral("Ответственный"), QStringLiteral("Валюта"),        QStringLiteral("Организация"),
    QStringLiteral("СтавкаНДС"),     QStringLiteral("Подразделение"), QStringLiteral("Договор"),
};
const QStringList procedureWords{
    QStringLiteral("ПередЗаписью"),
    QStringLiteral("ПриЗаписи"),
    QStringLiteral("ОбработкаПроведения"),
    QStringLiteral("ОбработкаЗаполнения"),
    QStringLiteral("ПриКопировании"),
    QStringLiteral("ПередУдалением"),
    QStringLiteral("ОбработкаПроверкиЗаполнения"),
    QStringLiteral("ЗаполнитьПоОснованию"),
};
// Types of attributes with the picture of each type.
const std::pair<QString, int> attributeTypes[] = {
    {QStringLiteral("С"), 1}, {QStringLiteral("Ч"), 2},  {QStringLiteral("Д"), 3},
    {QStringLiteral("Б"), 4}, {QStringLiteral("СС"), 5},
};

// Which groups the objects of a metadata class carry.
struct Shape {
    bool attributes = true;
    bool sections = false;
    bool forms = true;
    bool templates = true;
    bool registers = false;  // Измерения and Ресурсы
    bool values = false;     // Значения
    bool graphs = false;     // Графы
    bool addressing = false; // Реквизиты адресации
    bool module = true;
};

Shape shapeOf(int classPicture) {
    Shape shape;
    switch (classPicture) {
    case Constants:
        return Shape{false, false, false, false, false, false, false, false, false};
    case Enums:
        shape.attributes = shape.module = false;
        shape.values = true;
        return shape;
    case DocumentJournals:
        shape.attributes = false;
        shape.graphs = true;
        return shape;
    case InformationRegisters:
    case AccumulationRegisters:
    case AccountingRegisters:
    case CalculationRegisters:
        shape.registers = true;
        return shape;
    case Tasks:
        shape.sections = shape.addressing = true;
        return shape;
    default:
        shape.sections = true;
        return shape;
    }
}

class Generator {
public:
    Generator(int rows, std::uint32_t seed)
        : left_(rows)
        , random_(seed) {}

    Configuration generate() {
        Configuration configuration;
        take();
        configuration.root =
            named(QStringLiteral("СинтетическаяКонфигурация"), picture::Configuration);
        take();
        Node common = named(QStringLiteral("Общие"), CommonNode);
        for (const ClassInfo& info : commonClasses()) {
            take();
            common.children.push_back(named(info.name, info.picture));
        }
        configuration.root.children.push_back(std::move(common));
        for (const ClassInfo& info : metadataClasses()) {
            take();
            configuration.root.children.push_back(named(info.name, info.picture));
        }
        fill(configuration.root);
        return configuration;
    }

private:
    bool take() {
        if (left_ == 0)
            return false;
        --left_;
        return true;
    }

    int pick(int count) { return static_cast<int>(random_() % static_cast<std::uint32_t>(count)); }
    int between(int low, int high) { return low + pick(high - low + 1); }

    static Node named(const QString& name, int picture, const QString& type = {}) {
        Node node;
        node.name = name;
        node.imageIndex = picture;
        node.type = type;
        return node;
    }

    // Objects go to the classes in turn until the rows are used up.
    void fill(Node& root) {
        Node& common = root.children[0];
        const auto& metadata = metadataClasses();
        const auto& shared = commonClasses();
        for (int round = 0; left_ > 0; ++round) {
            for (std::size_t i = 0; i < metadata.size() && left_ > 0; ++i)
                addObject(root.children[i + 1], metadata[i], round);
            if (round % 4 == 0) {
                for (std::size_t i = 0; i < shared.size() && left_ > 0; ++i)
                    addCommonObject(common.children[i], shared[i], round);
            }
        }
    }

    QString objectName(int round) {
        return firstWords[pick(firstWords.size())] + secondWords[pick(secondWords.size())] +
               QString::number(round + 1);
    }

    void addCommonObject(Node& owner, const ClassInfo& info, int round) {
        if (!take())
            return;
        Node object = named(objectName(round), info.memberPicture);
        if (info.picture == CommonModules)
            addProcedures(object);
        owner.children.push_back(std::move(object));
    }

    void addObject(Node& owner, const ClassInfo& info, int round) {
        const Shape shape = shapeOf(info.picture);
        if (!take())
            return;
        const auto& [typeName, typePicture] = attributeTypes[pick(std::size(attributeTypes))];
        Node object = named(objectName(round), info.memberPicture,
                            info.picture == Constants ? typeName : QString());
        object.imageIndexType = info.picture == Constants ? typePicture : 0;
        if (shape.registers) {
            addGroup(object, QStringLiteral("Измерения"), DimensionsGroup, Dimension, 1, 4, true);
            addGroup(object, QStringLiteral("Ресурсы"), ResourcesGroup, Resource, 1, 3, true);
        }
        if (shape.addressing)
            addGroup(object, QStringLiteral("Реквизиты адресации"), AddressingAttributesGroup,
                     AddressingAttribute, 1, 3, true);
        if (shape.attributes)
            addGroup(object, QStringLiteral("Реквизиты"), AttributesGroup, Attribute, 2, 14, true);
        if (shape.graphs)
            addGroup(object, QStringLiteral("Графы"), GraphsGroup, Graph, 2, 6, false);
        if (shape.values)
            addGroup(object, QStringLiteral("Значения"), ValuesGroup, EnumValue, 2, 8, false);
        if (shape.sections)
            addSections(object);
        if (shape.forms)
            addGroup(object, QStringLiteral("Формы"), FormsGroup, Form, 1, 3, false);
        if (shape.templates)
            addGroup(object, QStringLiteral("Макеты"), TemplatesGroup, Template, 0, 2, false);
        if (shape.module)
            addProcedures(object);
        owner.children.push_back(std::move(object));
    }

    std::optional<Node> member(const QString& name, int picture, bool typed) {
        if (!take())
            return std::nullopt;
        Node node = named(name, picture);
        if (typed) {
            const auto& [type, typePicture] = attributeTypes[pick(std::size(attributeTypes))];
            node.type = type;
            node.imageIndexType = typePicture;
        }
        return node;
    }

    void addGroup(Node& object, const QString& name, int picture, int memberPicture, int low,
                  int high, bool typed) {
        if (!take())
            return;
        Node group = named(name, picture);
        const int count = between(low, high);
        for (int i = 0; i < count; ++i) {
            const QString memberName =
                attributeWords[(i + pick(3)) % attributeWords.size()] + QString::number(i + 1);
            if (auto node = member(memberName, memberPicture, typed))
                group.children.push_back(std::move(*node));
        }
        object.children.push_back(std::move(group));
    }

    void addSections(Node& object) {
        if (!take())
            return;
        Node group = named(QStringLiteral("Табличные части"), TabularSectionsGroup);
        const int count = between(0, 3);
        for (int i = 0; i < count && take(); ++i) {
            Node section = named(firstWords[pick(firstWords.size())], TabularSection);
            const int attributes = between(2, 6);
            for (int j = 0; j < attributes; ++j) {
                if (auto node = member(attributeWords[(i + j) % attributeWords.size()],
                                       TabularSectionAttribute, true))
                    section.children.push_back(std::move(*node));
            }
            group.children.push_back(std::move(section));
        }
        object.children.push_back(std::move(group));
    }

    void addProcedures(Node& object) {
        const int count = between(0, 6);
        for (int i = 0; i < count; ++i) {
            const bool function = pick(3) == 0;
            object.procedures.push_back(
                {procedureWords[(i + pick(2)) % procedureWords.size()] + QString::number(i + 1),
                 function ? QStringLiteral("Функция") : QStringLiteral("Процедура")});
        }
    }

    int left_;
    std::mt19937 random_;
};

} // namespace

Configuration syntheticConfiguration(int rows, std::uint32_t seed) {
    const int skeleton = 2 + static_cast<int>(commonClasses().size() + metadataClasses().size());
    if (rows < skeleton)
        throw Error(QStringLiteral("Синтетической конфигурации нужно не меньше %1 строк, задано %2")
                        .arg(skeleton)
                        .arg(rows));
    return Generator(rows, seed).generate();
}

} // namespace kelvane::builder
