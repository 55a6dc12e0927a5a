#pragma once

#include "bench/soak/invariants.h"
#include "diagram/diagrams.h"
#include "navigation/errorsink.h"
#include "navigation/loadedtreeview.h"
#include "navigation/program.h"

#include <QStringList>
#include <random>

namespace kelvane::soak {

// Collects the messages the window would show; a consistent database shows none.
class MessageLog : public ErrorSink {
public:
    void showError(const QString& message) override { messages << message; }
    QStringList messages;
};

// The program started on one database, with its real drawing routines and a tree loaded from
// the stored tree text, driven by random user actions: tree clicks, diagram clicks, toolbar and
// menu jumps, history buttons and clipboard copies.
class SoakRun {
public:
    SoakRun(const QString& databasePath, std::uint32_t seed);

    // One random action followed by the invariant checks.
    void step();

    // Messages shown and invariants broken so far.
    QStringList problems() const;
    long offSurfaceRegions() const { return invariants_.offSurfaceRegions; }

private:
    void clickTree();
    void clickDiagram();
    void pressToolbarButton();
    void chooseMenuEntry();
    void pressHistoryButton();
    void copyName();
    int below(int count);

    MessageLog log_;
    LoadedTreeView view_;
    Program program_{view_, log_};
    Diagrams diagrams_{program_.database(), program_.ADOTable1(), program_.navigator()};
    Invariants invariants_;
    QStringList broken_;
    std::mt19937 random_;
};

} // namespace kelvane::soak
