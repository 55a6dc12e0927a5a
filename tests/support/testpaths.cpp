#include "tests/support/testpaths.h"

#include <QDir>
#include <QProcessEnvironment>

namespace kelvane::test {

static QString fromEnvironment(const char* name) {
    return QDir(QProcessEnvironment::systemEnvironment().value(QString::fromLatin1(name)))
        .absolutePath();
}

QString sharedDir() {
    return fromEnvironment("KELVANE_SHARED_DIR");
}
QString binaryDir() {
    return fromEnvironment("KELVANE_BINARY_DIR");
}
QString sourceDir() {
    return fromEnvironment("KELVANE_SOURCE_DIR");
}

} // namespace kelvane::test
