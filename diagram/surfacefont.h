#pragma once

#include <QFont>

namespace kelvane {

// The surface font: DejaVu Sans from fonts-dejavu-core, loaded from its file so that every machine
// renders and measures captions the same, 11 pixels high and never anti-aliased. Throws Error
// when the file is missing or unreadable.
QFont surfaceFont();

} // namespace kelvane
