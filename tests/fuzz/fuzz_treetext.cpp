// Stored tree text: parse, decode the node list and apply to a recording tree view. Any input
// must end in success or in kelvane::Error, never in a crash, a hang or an out-of-bounds access.
#include "store/error.h"
#include "store/treetext/recordingtreeview.h"
#include "store/treetext/stringtocomponent.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    kelvane::RecordingTreeView tree;
    try {
        kelvane::StringToComponent(text, tree);
    } catch (const kelvane::Error&) {
    }
    return 0;
}
