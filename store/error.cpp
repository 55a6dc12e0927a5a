#include "store/error.h"

namespace kelvane {

Error::Error(const QString& message)
    : std::runtime_error(message.toStdString())
    , message_(message) {}

} // namespace kelvane
