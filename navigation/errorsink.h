#pragma once

#include <QString>
#include <functional>

namespace kelvane {

// Where the program shows an error: the standard error box in the window, a recorder in tests.
class ErrorSink {
public:
    virtual ~ErrorSink() = default;
    virtual void showError(const QString& message) = 0;
};

// Runs one event handler: an Error (or any exception) thrown below it ends the handler, is shown
// through the sink, and whatever the handler had changed stays changed.
void runHandler(ErrorSink& sink, const std::function<void()>& handler);

} // namespace kelvane
