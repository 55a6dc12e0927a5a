#pragma once

#include <QString>

namespace kelvane {

// Places the text alone on the system clipboard as plain text; an empty text empties it.
// Failures are silent.
void StrToClipbrd(const QString& text);

// "Копировать": copies Ed2's current text, as the user left it.
void SpeedButton1Click(const QString& ed2Text);

} // namespace kelvane
