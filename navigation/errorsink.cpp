#include "navigation/errorsink.h"

#include "store/error.h"

#include <exception>

namespace kelvane {

void runHandler(ErrorSink& sink, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Error& error) {
        sink.showError(error.message());
    } catch (const std::bad_alloc&) {
        sink.showError(QStringLiteral("Недостаточно памяти"));
    } catch (const std::exception& error) {
        sink.showError(QString::fromUtf8(error.what()));
    }
}

} // namespace kelvane
