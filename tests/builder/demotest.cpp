#include "tests/support/testpaths.h"
#include "tools/builder/classes.h"
#include "tools/builder/configuration.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::builder;

namespace {

Configuration demo() {
    QFile file(test::sourceDir() + QStringLiteral("/resources/demo/demo.kcfg"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return parseDescription(QString::fromUtf8(file.readAll()));
}

std::vector<QString> namesOf(const std::vector<Node>& nodes) {
    std::vector<QString> names;
    for (const Node& node : nodes)
        names.push_back(node.name);
    return names;
}

std::vector<QString> namesOf(const std::vector<ClassInfo>& classes) {
    std::vector<QString> names;
    for (const ClassInfo& info : classes)
        names.push_back(info.name);
    return names;
}

} // namespace

TEST(Demo, HasEveryClassNamedAsTheToolbar) {
    const Node root = demo().root;
    ASSERT_EQ(root.children.size(), 17u);
    EXPECT_EQ(root.children[0].name, QStringLiteral("Общие"));
    EXPECT_EQ(namesOf(root.children[0].children), namesOf(commonClasses()));
    const std::vector<Node> metadata(root.children.begin() + 1, root.children.end());
    EXPECT_EQ(namesOf(metadata), namesOf(metadataClasses()));
    EXPECT_EQ(root.children[9].name.at(6), QLatin1Char('c')) << "Latin c in Планы cчетов";
}

TEST(Demo, HasAtLeastOneHundredFiftyObjectsWithPicturesOfTheirClass) {
    const Node root = demo().root;
    std::size_t objects = 0;
    for (std::size_t i = 1; i < root.children.size(); ++i) {
        const Node& metadataClass = root.children[i];
        EXPECT_EQ(metadataClass.imageIndex, metadataClasses()[i - 1].picture);
        EXPECT_FALSE(metadataClass.children.empty()) << metadataClass.name.toStdString();
        for (const Node& object : metadataClass.children)
            EXPECT_EQ(object.imageIndex, metadataClasses()[i - 1].memberPicture)
                << object.name.toStdString();
        objects += metadataClass.children.size();
    }
    EXPECT_GE(objects, 150u);
    const Tables tables = buildTables(demo());
    EXPECT_FALSE(tables.prosedur.rows.empty());
}
