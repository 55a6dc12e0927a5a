#pragma once

#include "navigation/errorsink.h"
#include "tools/builder/configuration.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace kelvane::test {

// Keeps the messages the window would have shown in its error box.
class ErrorRecorder : public ErrorSink {
public:
    void showError(const QString& message) override { messages.push_back(message); }
    QStringList messages;
};

// A temporary working directory that becomes the current directory while the fixture lives.
class WorkingDirectory {
public:
    WorkingDirectory();
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    // Writes Baza.mdb (SQLite format) from the configuration, after `edit` changed its tables.
    void writeBaza(const builder::Configuration& configuration,
                   const std::function<void(builder::Tables&)>& edit = {});

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Root "Конфигурация" (num 0) > "Общие" (1) > "Подсистемы" (2) > "Продажи" (3);
// root > "Справочники" (4) > "Товары" (5), "Склады" (6).
builder::Configuration smallConfiguration();

} // namespace kelvane::test
