#include "tests/app/appfixture.h"

#include "diagram/pictureindex.h"

#include <QDir>

namespace kelvane::test {

WorkingDirectory::WorkingDirectory()
    : previous_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
}

WorkingDirectory::~WorkingDirectory() {
    QDir::setCurrent(previous_);
}

void WorkingDirectory::writeBaza(const builder::Configuration& configuration,
                                 const std::function<void(builder::Tables&)>& edit) {
    builder::Tables tables = builder::buildTables(configuration);
    if (edit)
        edit(tables);
    builder::writeTables(QDir(dir_.path()).filePath(QStringLiteral("Baza.mdb")), tables.all(),
                         builder::Format::Sqlite);
}

namespace {

builder::Node node(const char* name, int picture, std::vector<builder::Node> children = {}) {
    builder::Node result;
    result.name = QString::fromUtf8(name);
    result.imageIndex = picture;
    result.children = std::move(children);
    return result;
}

} // namespace

builder::Configuration smallConfiguration() {
    using namespace picture;
    builder::Configuration configuration;
    configuration.root = node(
        "Конфигурация", Configuration,
        {node("Общие", CommonNode, {node("Подсистемы", Subsystems, {node("Продажи", Subsystem)})}),
         node("Справочники", Catalogs, {node("Товары", Catalog), node("Склады", Catalog)})});
    return configuration;
}

} // namespace kelvane::test
