#pragma once

#include "diagram/diagramhost.h"
#include "navigation/diagramroutines.h"
#include "navigation/errorsink.h"
#include "navigation/navigatorview.h"
#include "store/error.h"
#include "store/konfigcolumns.h"
#include "store/konfigtable.h"

#include <QStringList>

namespace kelvane::test {

// Records the errors that the window would show.
class ErrorRecorder : public ErrorSink {
public:
    void showError(const QString& message) override { messages.append(message); }
    QStringList messages;
};

// A window whose tree has `treeSize` nodes; records what navigation shows.
class FakeView : public NavigatorView {
public:
    int treeSize = 100;
    std::optional<int> firstChildren = 3;

    void focusTree() override { ++focusCount; }
    void selectAbsoluteIndex(int index) override {
        if (index < 0 || index >= treeSize)
            throw Error(QStringLiteral("Invalid index"));
        selected = index;
        selections.push_back(index);
    }
    std::optional<int> firstNodeChildCount() const override {
        return treeSize == 0 ? std::nullopt : firstChildren;
    }
    void setTreeRowHeight(int pixels) override { rowHeight = pixels; }
    void setTab1Caption(const QString& caption) override { tab1Caption = caption; }
    void setTab1Icon(int index) override { tab1Icon = index; }
    void hideTab2AndTab3() override { pagesHidden = true; }
    void setEd1(const QString& path) override { ed1 = path; }
    void setEd2(const QString& name) override { ed2 = name; }

    int focusCount = 0;
    std::optional<int> selected;
    std::vector<int> selections;
    int rowHeight = 0;
    QString tab1Caption;
    int tab1Icon = -1;
    bool pagesHidden = false;
    QString ed1;
    QString ed2;
};

// Drawing routines that note which one ran and, like the real ones, fill the current-record
// panel and record one visit of the current row.
struct FakeDiagrams {
    FakeDiagrams(KonfigTable& table, DiagramHost& host)
        : table(table)
        , host(host) {}

    DiagramRoutines routines() {
        return {[this] { draw(QStringLiteral("DiagramKorn")); },
                [this] { draw(QStringLiteral("DiagramObshie")); },
                [this] { draw(QStringLiteral("DiagramObject")); },
                [this] { draw(QStringLiteral("DiagramObject1")); }};
    }

    void draw(const QString& routine) {
        if (failing)
            throw Error(QStringLiteral("Ошибка рисования"));
        drawn.append(routine);
        const QString name = table.fieldAsText(konfig::Name);
        host.setEd1(QStringLiteral("путь ") + name);
        host.setEd2(name);
        host.recordVisit(table.fieldAsInt32(konfig::Id), name, QStringLiteral("путь ") + name);
    }

    KonfigTable& table;
    DiagramHost& host;
    QStringList drawn;
    bool failing = false;
};

} // namespace kelvane::test
