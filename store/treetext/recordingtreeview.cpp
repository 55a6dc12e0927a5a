#include "store/treetext/recordingtreeview.h"

namespace kelvane {

RecordingTreeView::RecordingTreeView(QMap<QString, QStringList> owners)
    : owners_(std::move(owners)) {}

QMap<QString, QStringList> RecordingTreeView::mainWindowComponents() {
    return {{QStringLiteral("Form1"),
             {QStringLiteral("ImageList1"), QStringLiteral("ImageList3"),
              QStringLiteral("cxImageList1"), QStringLiteral("PopMen")}}};
}

void RecordingTreeView::record(const QString& property, const QString& value) {
    log_.append(property + QStringLiteral(" = ") + value);
}

void RecordingTreeView::setBoolean(const QString& property, bool value) {
    record(property, value ? QStringLiteral("True") : QStringLiteral("False"));
}

void RecordingTreeView::setInteger(const QString& property, std::int32_t value) {
    record(property, QString::number(value));
}

void RecordingTreeView::setColor(const QString& property, std::int32_t value) {
    record(property,
           QStringLiteral("$%1").arg(static_cast<std::uint32_t>(value), 8, 16, QLatin1Char('0')));
}

void RecordingTreeView::setCursor(const QString& property, std::int32_t value) {
    record(property, QString::number(value));
}

void RecordingTreeView::setCharset(const QString& property, std::int32_t value) {
    record(property, QString::number(value));
}

void RecordingTreeView::setEnumeration(const QString& property, const QString& value) {
    record(property, value);
}

void RecordingTreeView::setSet(const QString& property, const QStringList& elements) {
    record(property, QLatin1Char('[') + elements.join(QStringLiteral(", ")) + QLatin1Char(']'));
}

void RecordingTreeView::setString(const QString& property, const QString& value) {
    record(property, QLatin1Char('\'') + value + QLatin1Char('\''));
}

void RecordingTreeView::setDesignSize(std::int32_t width, std::int32_t height) {
    record(QStringLiteral("DesignSize"), QStringLiteral("(%1 %2)").arg(width).arg(height));
}

const QStringList* RecordingTreeView::components(const QString& owner) const {
    for (auto it = owners_.cbegin(); it != owners_.cend(); ++it) {
        if (it.key().compare(owner, Qt::CaseInsensitive) == 0)
            return &it.value();
    }
    return nullptr;
}

bool RecordingTreeView::hasOwner(const QString& owner) const {
    return components(owner) != nullptr;
}

bool RecordingTreeView::ownsComponent(const QString& owner, const QString& component) const {
    const QStringList* list = components(owner);
    return list != nullptr && list->contains(component, Qt::CaseInsensitive);
}

void RecordingTreeView::setReference(const QString& property, const QString& owner,
                                     const QString& component) {
    record(property, owner + QLatin1Char('.') + component);
}

void RecordingTreeView::clearReference(const QString& property) {
    record(property, QStringLiteral("nil"));
}

void RecordingTreeView::beginUpdate() {
    log_.append(QStringLiteral("beginUpdate"));
}

void RecordingTreeView::endUpdate() {
    log_.append(QStringLiteral("endUpdate"));
}

void RecordingTreeView::replaceNodes(StoredNodes nodes) {
    nodes_ = std::move(nodes);
    log_.append(QStringLiteral("replaceNodes %1").arg(nodes_.size()));
}

} // namespace kelvane
