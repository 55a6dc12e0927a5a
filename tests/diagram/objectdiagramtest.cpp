#include "diagram/artwork.h"
#include "diagram/color.h"
#include "diagram/diagramstate.h"
#include "diagram/surface.h"
#include "diagram/surfaceclicks.h"
#include "tests/diagram/diagramfixture.h"
#include "tests/diagram/pixels.h"
#include "tests/diagram/regionrows.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using namespace test;

builder::Node withProcedures(builder::Node n, std::vector<builder::Procedure> procedures) {
    n.procedures = std::move(procedures);
    return n;
}

builder::Node typed(builder::Node n, const QString& type) {
    n.type = type;
    return n;
}

std::vector<builder::Procedure> procedures(int count) {
    std::vector<builder::Procedure> list;
    for (int i = 1; i <= count; ++i)
        list.push_back({QStringLiteral("Проц%1").arg(i), QStringLiteral("Процедура")});
    return list;
}

const QString Rekvizity = QStringLiteral("Реквизиты");
const QString Formy = QStringLiteral("Формы");
const QString Tabl = QStringLiteral("Табличные части");

class ObjectDiagramTest : public ::testing::Test {
protected:
    static builder::Node configuration() {
        Surface measure;
        std::vector<builder::Node> objects;
        objects.push_back(withProcedures(
            node(
                QStringLiteral("Номенклатура"),
                {node(Rekvizity, {node(QStringLiteral("Яблоко")), node(QStringLiteral("Артикул"))}),
                 node(Formy),
                 node(Tabl, {node(QStringLiteral("Товары"), {node(QStringLiteral("Количество")),
                                                             node(QStringLiteral("Цена"))}),
                             node(QStringLiteral("Услуги"))})}),
            {{QStringLiteral("ПриЗаписи"), QStringLiteral("Процедура")},
             {QStringLiteral("Сумма"), QStringLiteral("Функция")},
             {QStringLiteral("Прочее"), QStringLiteral("Другое")}}));
        objects.push_back(
            withProcedures(node(QStringLiteral("Одиннадцать"), {node(Rekvizity)}), procedures(11)));
        objects.push_back(withProcedures(
            node(QStringLiteral("БезМодуля"), {node(Formy), node(Rekvizity)}), procedures(2)));
        objects.push_back(
            node(QStringLiteral("Колонки"), {node(Rekvizity, numbered(QStringLiteral("Рекв"), 16)),
                                             node(Formy, numbered(QStringLiteral("Форма"), 16))}));
        objects.push_back(typed(
            node(QStringLiteral("Типизированный"),
                 {node(Rekvizity), node(QStringLiteral("Первый")), node(QStringLiteral("Второй"))}),
            QStringLiteral("abc")));
        objects.push_back(node(textOfWidth(measure, 200), {node(Rekvizity)}));
        objects.push_back(node(textOfWidth(measure, 201), {node(Rekvizity)}));
        return node(QStringLiteral("Конфигурация"),
                    {node(QStringLiteral("Общие")),
                     node(QStringLiteral("Справочники"), std::move(objects))});
    }
    static void SetUpTestSuite() { fixture = new DiagramFixture(configuration()); }
    static void TearDownTestSuite() { delete fixture; }
    static DiagramFixture* fixture;

    HitRegions& regions() { return fixture->diagrams->hitRegions(); }
    const Surface& surface() { return fixture->diagrams->surface(); }
    RegionRow row(const QString& name) {
        const auto found = rowNamed(regions(), name);
        EXPECT_TRUE(found) << name.toStdString();
        return found.value_or(RegionRow{});
    }
    // Shows a child of the object on the surface through a click on its box.
    void showChild(const QString& object, const QString& child) {
        fixture->show(object);
        const RegionRow box = row(child);
        fixture->diagrams->clicks().Image1MouseUp(Qt::LeftButton, box.x1, box.y1);
        ASSERT_EQ(fixture->currentName(), child);
    }
    bool blockShows(int x, int y, const QImage& picture) {
        const QImage block = surface().image().copy(x, y, 16, 16);
        return block == picture.copy(0, 0, 16, 16).convertToFormat(QImage::Format_RGB32);
    }
};
DiagramFixture* ObjectDiagramTest::fixture = nullptr;

TEST_F(ObjectDiagramTest, GroupListsModuleAndProcedures) {
    fixture->show(QStringLiteral("Номенклатура"));
    EXPECT_EQ(fixture->host.ed1, QStringLiteral("Справочники -> Номенклатура"));
    EXPECT_EQ(fixture->host.visits.back().namelite, QStringLiteral("Номенклатура"));
    const struct {
        QString name;
        int x1, y1, x2;
        QString p;
    } cases[] = {{Rekvizity, 60, 80, 260, {}},
                 {QStringLiteral("Артикул"), 80, 110, 280, {}},
                 {QStringLiteral("Яблоко"), 80, 138, 280, {}},
                 {Formy, 60, 169, 260, {}},
                 {Tabl, 60, 197, 260, {}},
                 {QStringLiteral("ПриЗаписи"), 380, 110, 580, QStringLiteral("P")},
                 {QStringLiteral("Сумма"), 380, 140, 580, QStringLiteral("P")},
                 {QStringLiteral("Прочее"), 380, 170, 580, QStringLiteral("P")}};
    for (const auto& c : cases) {
        const RegionRow r = row(c.name);
        EXPECT_EQ(r.x1, c.x1) << c.name.toStdString();
        EXPECT_EQ(r.y1, c.y1) << c.name.toStdString();
        EXPECT_EQ(r.x2, c.x2) << c.name.toStdString();
        EXPECT_EQ(r.y2, c.y1 + 20) << c.name.toStdString();
        EXPECT_EQ(r.p, c.p) << c.name.toStdString();
    }
    EXPECT_EQ(row(QStringLiteral("ПриЗаписи")).id, 1);
    EXPECT_TRUE(blockShows(360, 80, artwork::modulePicture()));
    EXPECT_TRUE(blockShows(380, 110, artwork::procedurePicture()));
    EXPECT_TRUE(blockShows(380, 140, artwork::functionPicture()));
    EXPECT_EQ(bgrAt(surface(), 385, 175), palette::Shape12);
    EXPECT_EQ(bgrAt(surface(), 360 + 100, 80 - 1), bgr::BandTop);
    EXPECT_EQ(bgrAt(surface(), 360 + 100, 80 + 16), bgr::ModuleBand);
    EXPECT_EQ(bgrAt(surface(), 60 + 100, 80 + 16), bgr::GroupBand);
}

TEST_F(ObjectDiagramTest, ProcedureRegionsAreNotFollowed) {
    fixture->show(QStringLiteral("Номенклатура"));
    const std::size_t visits = fixture->host.visits.size();
    fixture->diagrams->clicks().Image1MouseUp(Qt::LeftButton, 390, 115);
    EXPECT_EQ(fixture->currentName(), QStringLiteral("Номенклатура"));
    EXPECT_EQ(fixture->host.visits.size(), visits);
}

TEST_F(ObjectDiagramTest, EleventhProcedureStartsTheSecondColumn) {
    fixture->show(QStringLiteral("Одиннадцать"));
    EXPECT_EQ(row(QStringLiteral("Проц10")).y1, 380);
    const RegionRow eleventh = row(QStringLiteral("Проц11"));
    EXPECT_EQ(eleventh.x1, 380 + 200 + 10);
    EXPECT_EQ(eleventh.y1, 110);
}

TEST_F(ObjectDiagramTest, ModuleOnlyBesideAFirstAttributeGroup) {
    fixture->show(QStringLiteral("БезМодуля"));
    for (const RegionRow& r : rowsOf(regions()))
        EXPECT_TRUE(r.p.isEmpty()) << r.name.toStdString();
    EXPECT_EQ(bgrAt(surface(), 460, 85), bgr::Background);
}

TEST_F(ObjectDiagramTest, TabularSectionsListTheirAttributesWithTypeBoxes) {
    showChild(QStringLiteral("Номенклатура"), Tabl);
    EXPECT_EQ(fixture->host.ed1, QStringLiteral("Номенклатура -> Табличные части"));
    const RegionRow section = row(QStringLiteral("Товары"));
    EXPECT_EQ(section.x1, 60);
    EXPECT_EQ(section.y1, 80);
    EXPECT_EQ(bgrAt(surface(), 60 + 16, 85), palette::Shape6);
    const RegionRow first = row(QStringLiteral("Количество"));
    EXPECT_EQ(first.x1, 80);
    EXPECT_EQ(first.y1, 110);
    EXPECT_EQ(row(QStringLiteral("Цена")).y1, 138);
    EXPECT_EQ(row(QStringLiteral("Услуги")).y1, 80 + 28 * 2 + 33);
    const int x = 80 + 200;
    EXPECT_EQ(bgrAt(surface(), x - 1, 115), bgr::Pen);
    EXPECT_EQ(bgrAt(surface(), x + 17, 115), bgr::Background);
    EXPECT_EQ(bgrAt(surface(), x + 20, 115), bgr::Pen);
    EXPECT_EQ(bgrAt(surface(), x + 21, 115), bgr::Background);
    EXPECT_EQ(bgrAt(surface(), 80 + 100, 110), palette::Shape9);
}

TEST_F(ObjectDiagramTest, SecondColumnDependsOnTheAttributeGroup) {
    const struct {
        QString group;
        QString sixteenth;
        int x;
    } cases[] = {{Rekvizity, QStringLiteral("Рекв16"), 288},
                 {Formy, QStringLiteral("Форма16"), 268}};
    for (const auto& c : cases) {
        showChild(QStringLiteral("Колонки"), c.group);
        const RegionRow r = row(c.sixteenth);
        EXPECT_EQ(r.x1, c.x) << c.group.toStdString();
        EXPECT_EQ(r.y1, 80) << c.group.toStdString();
        EXPECT_EQ(r.x2, c.x + 200) << c.group.toStdString();
    }
    // Attributes carry a type box from x + 199 to x + 219.
    showChild(QStringLiteral("Колонки"), Rekvizity);
    EXPECT_EQ(bgrAt(surface(), 60 + 199, 85), bgr::Pen);
    EXPECT_EQ(bgrAt(surface(), 60 + 220, 85), bgr::Pen);
    EXPECT_EQ(bgrAt(surface(), 60 + 221, 85), bgr::Background);
    EXPECT_EQ(bgrAt(surface(), 100, 66), bgr::GroupBand);
}

TEST_F(ObjectDiagramTest, TypedRecordRegistersElementsWithoutBoxes) {
    fixture->show(QStringLiteral("Типизированный"));
    const RegionRow first = row(QStringLiteral("Первый"));
    EXPECT_EQ(first.y1, 108);
    EXPECT_EQ(first.x2, 60 + 300);
    EXPECT_EQ(bgrAt(surface(), 100, 115), bgr::Background);
    EXPECT_EQ(row(Rekvizity).x2, 260);
}

TEST_F(ObjectDiagramTest, ParentHeaderComparesTheBareWidthWith200) {
    Surface measure;
    const struct {
        int width;
        int x2;
    } cases[] = {{200, 220}, {201, 251}};
    for (const auto& c : cases) {
        showChild(textOfWidth(measure, c.width), Rekvizity);
        EXPECT_EQ(rowsOf(regions()).front().x2, c.x2) << c.width;
    }
}

} // namespace
} // namespace kelvane
