#pragma once

#include "diagram/diagramhost.h"
#include "diagram/diagrams.h"
#include "store/database.h"
#include "store/konfigtable.h"
#include "tools/builder/configuration.h"

#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace kelvane::test {

// Records what a drawing reports to the window.
class RecordingHost : public DiagramHost {
public:
    struct Visit {
        std::int32_t idrec;
        QString namelite;
        QString nameful;
    };
    void setEd1(const QString& path) override { ed1 = path; }
    void setEd2(const QString& name) override { ed2 = name; }
    void recordVisit(std::int32_t idrec, const QString& namelite, const QString& nameful) override {
        visits.push_back({idrec, namelite, nameful});
    }
    QString ed1;
    QString ed2;
    std::vector<Visit> visits;
};

// A configuration written as an SQLite Baza, opened, with the diagrams over it. Every move of the
// current row draws its diagram, chosen by num and id_parent as the window does.
class DiagramFixture {
public:
    explicit DiagramFixture(const builder::Node& root);

    // Makes the first row with that name current (and so draws its diagram).
    void show(const QString& name);
    QString currentName() const;

    QTemporaryDir dir;
    Database database;
    KonfigTable adoTable1;
    RecordingHost host;
    std::unique_ptr<Diagrams> diagrams;

private:
    void dispatch();
};

builder::Node node(const QString& name, std::vector<builder::Node> children = {});
// Children named prefix + number, 1..count.
std::vector<builder::Node> numbered(const QString& prefix, int count);

} // namespace kelvane::test
