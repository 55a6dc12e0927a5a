#pragma once

#include "store/treetext/storednode.h"

#include <QByteArray>

namespace kelvane {

// Decodes the Items.Data block of a stored tree into the flat pre-order node list. Throws
// Error("Stream read error") when the block ends early or a record is malformed.
StoredNodes ReadNodeList(const QByteArray& block);

// The same decoder for callers that keep what was read before a failure: `nodes` is cleared,
// receives each node as it is decoded and keeps consistent links when the error is thrown.
void ReadNodeListInto(const QByteArray& block, StoredNodes& nodes);

} // namespace kelvane
