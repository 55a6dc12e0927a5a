#pragma once

#include "diagram/diagrams.h"
#include "navigation/errorsink.h"
#include "navigation/loadedtreeview.h"
#include "navigation/program.h"

#include <QStringList>
#include <chrono>

namespace kelvane::test {

// Keeps the messages the window would have shown in its error box.
class ErrorRecorder : public ErrorSink {
public:
    void showError(const QString& message) override { messages.push_back(message); }
    QStringList messages;
};

// The program with its real drawing routines and a tree loaded from the stored tree text, started
// on one database file the way the window starts: creation, then the first show.
struct StartedProgram {
    explicit StartedProgram(const QString& databasePath,
                            std::chrono::milliseconds importTimeout = std::chrono::seconds(60));

    QString lastMessage() const {
        return errors.messages.isEmpty() ? QString() : errors.messages.last();
    }
    int historyCount() const { return program.history().MemNavig().recordCount(); }

    ErrorRecorder errors;
    LoadedTreeView view;
    mutable Program program{view, errors};
    Diagrams diagrams{program.database(), program.ADOTable1(), program.navigator()};
};

} // namespace kelvane::test
