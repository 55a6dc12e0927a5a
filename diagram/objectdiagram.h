#pragma once

#include "diagram/konfigrow.h"

#include <QString>

namespace kelvane {

struct DiagramContext;

// The object structure diagram (DiagramObject1) of every node below the class level: parent and
// current record as header boxes, the children as group and element boxes in columns of 15, the
// group and section lists with their type boxes, and the object module with its procedures.
class ObjectDiagram {
public:
    explicit ObjectDiagram(DiagramContext& context);

    void DiagramObject1();

private:
    void measureListWidth(const QString& childrenText);
    void drawHeaders();
    void drawChild(const KonfigRow& child);
    void drawGroupBox(const KonfigRow& child);
    void drawElementBox(const KonfigRow& child);
    void DrawGroupList(const KonfigRow& child);
    void DrawSectionList(const KonfigRow& child);
    void DrawTypeBox();
    void DrawObjectModule();
    void drawProcedureBox(int x, int y);

    DiagramContext& context_;
    KonfigRow current_;
    int ListWidth = 200;
    int ProcWidth = 200;
    int ChildNo = 1;
    QString ProcText;
    QString ProcMeasureText;
};

} // namespace kelvane
