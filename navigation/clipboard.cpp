#include "navigation/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace kelvane {

void StrToClipbrd(const QString& text) {
    // Without an application there is no clipboard to reach; that failure is silent too.
    if (!qGuiApp)
        return;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}

void SpeedButton1Click(const QString& ed2Text) {
    StrToClipbrd(ed2Text);
}

} // namespace kelvane
