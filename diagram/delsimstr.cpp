#include "diagram/delsimstr.h"

namespace kelvane {

QString Delsimstr(const QString& text) {
    if (text.isEmpty())
        return text;
    qsizetype length = text.size() - 1;
    if (length > 0 && text.at(length).isLowSurrogate() && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

} // namespace kelvane
