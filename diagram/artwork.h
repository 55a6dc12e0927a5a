#pragma once

#include <QIcon>
#include <QImage>

namespace kelvane::artwork {

// The program's pictures, rendered once from the SVG sources compiled into the binary.
// Every picture is a 16 x 16 QImage (Format_RGB32 on the background of its list) unless noted.
inline constexpr int ObjectIconCount = 94; // Im0..Im93 of ImCollKonf
inline constexpr int ImageList1Count = 97; // tab, tree and context-menu pictures
inline constexpr int ImageList3Count = 37; // toolbar pictures

const QImage& objectIcon(int index); // Im<index>, 0 <= index < 94
const QImage& img1();                // Img1 of cxImageCollection2
const QImage& img2();                // Img2
const QImage& modulePicture();       // Image7 (17 x 16)
const QImage& procedurePicture();    // Image8
const QImage& functionPicture();     // Image9
QIcon imageList1(int index);         // null icon outside 0..96
QIcon imageList3(int index);         // null icon outside 0..36
QIcon programIcon();
QIcon historyButtonIcon(int button); // ButNav1..ButNav5 as 1..5
QIcon copyButtonIcon();

} // namespace kelvane::artwork
