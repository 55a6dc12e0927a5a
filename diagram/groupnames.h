#pragma once

#include <QString>

namespace kelvane {

// The nine group node names of an object (GroupNames), compared whole and case-sensitively.
bool isGroupName(const QString& name);
// The groups whose members are attributes: their diagrams space the columns 20 pixels wider.
bool isAttributeGroupName(const QString& name);

inline const QString TabularSections = QStringLiteral("Табличные части");

} // namespace kelvane
