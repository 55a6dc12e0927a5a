#include "tests/diagram/diagramfixture.h"

#include "store/konfigcolumns.h"

namespace kelvane::test {

DiagramFixture::DiagramFixture(const builder::Node& root) {
    const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
    const builder::Tables tables = builder::buildTables(builder::Configuration{root});
    builder::writeTables(path, tables.all(), builder::Format::Sqlite);
    database.open(path);
    adoTable1.open(database);
    diagrams = std::make_unique<Diagrams>(database, adoTable1, host);
    adoTable1.setOnDataChange([this] { dispatch(); });
}

void DiagramFixture::dispatch() {
    const auto num = adoTable1.fieldAsInteger(konfig::Num);
    const auto parent = adoTable1.fieldAsInteger(konfig::IdParent);
    if (num == 0 && parent == 0)
        diagrams->diagramKorn();
    else if (num == 1 && parent == 0)
        diagrams->diagramObshie();
    else if (parent == 0 || parent == 1)
        diagrams->diagramObject();
    else
        diagrams->diagramObject1();
}

void DiagramFixture::show(const QString& name) {
    adoTable1.locate(QStringLiteral("name"), name, {true, false});
}

QString DiagramFixture::currentName() const {
    return adoTable1.fieldAsText(konfig::Name);
}

builder::Node node(const QString& name, std::vector<builder::Node> children) {
    builder::Node n;
    n.name = name;
    n.children = std::move(children);
    return n;
}

std::vector<builder::Node> numbered(const QString& prefix, int count) {
    std::vector<builder::Node> nodes;
    for (int i = 1; i <= count; ++i)
        nodes.push_back(node(prefix + QString::number(i)));
    return nodes;
}

} // namespace kelvane::test
