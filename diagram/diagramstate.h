#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

namespace kelvane {

// The module-wide diagram state shared by the drawing routines and the hit-region registration,
// with the four 16 x 16 scratch slots.
struct DiagramState {
    std::int32_t CurX = 0;
    std::int32_t CurY = 0;
    std::int32_t BoxWidth = 0;
    std::int32_t BoxHeight = 0;
    std::int32_t GapX = 0;
    std::int32_t GapY = 0;
    std::int32_t CaptionWidth = 0;
    QString BoxText;
    QString CountText;
    std::int32_t ChildCount = 0;
    QString ParentName;

    QImage Image2; // child boxes
    QImage Image3; // Img2 at every start; the type slot of the object diagram
    QImage Image4; // second header box
    QImage Image5; // first header box; list boxes of the object diagram

    DiagramState();
};

} // namespace kelvane
