#include "app/errorbox.h"

#include <QMessageBox>

namespace kelvane {

void ErrorBox::showError(const QString& message) {
    QMessageBox::critical(parent_, QStringLiteral("Ошибка"), message);
}

} // namespace kelvane
