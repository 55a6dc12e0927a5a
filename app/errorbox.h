#pragma once

#include "navigation/errorsink.h"

class QWidget;

namespace kelvane {

// The standard error box: a modal message box with the error's text.
class ErrorBox : public ErrorSink {
public:
    explicit ErrorBox(QWidget* parent = nullptr)
        : parent_(parent) {}
    void showError(const QString& message) override;

private:
    QWidget* parent_;
};

} // namespace kelvane
