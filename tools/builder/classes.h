#pragma once

#include <QString>
#include <vector>

namespace kelvane::builder {

// A class node of the tree: its name (as the toolbar captions spell it), its picture and the
// picture of its members.
struct ClassInfo {
    QString name;
    int picture = 0;
    int memberPicture = 0;
};

// The 17 classes of common objects under "Общие", in toolbar order.
const std::vector<ClassInfo>& commonClasses();
// The 16 metadata classes under the root, in toolbar order.
const std::vector<ClassInfo>& metadataClasses();

} // namespace kelvane::builder
