#pragma once

#include <QString>
#include <stdexcept>

namespace kelvane {

// The one error type of the program: code below the event handlers throws it and every handler
// entry point shows its message in the standard error box.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message);

    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace kelvane
