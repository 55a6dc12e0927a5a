#pragma once

#include <QString>
#include <Qt>

namespace kelvane {

class HitRegions;
class KonfigTable;

// The mouse handlers of Image1: a left click makes the konfigtree record under the mouse current,
// a move writes the position into the captions of Label1 and Label2.
class SurfaceClicks {
public:
    SurfaceClicks(HitRegions& regions, KonfigTable& adoTable1);

    void Image1MouseUp(Qt::MouseButton button, int x, int y);
    void Image1MouseMove(int x, int y);

    const QString& label1() const { return label1_; }
    const QString& label2() const { return label2_; }

private:
    HitRegions& regions_;
    KonfigTable& adoTable1_;
    QString label1_;
    QString label2_;
};

} // namespace kelvane
