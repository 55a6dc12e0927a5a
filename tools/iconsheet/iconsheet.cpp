#include "diagram/artwork.h"
#include "diagram/color.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <vector>

// Contact sheet of the program's pictures: kelvane-iconsheet <out.png>. Each cell shows the
// picture at 1x on the diagram background, at 4x, and its list and index.
namespace {

using namespace kelvane;

struct Cell {
    QString label;
    QImage image;
};

constexpr int CellWidth = 96;
constexpr int CellHeight = 92;
constexpr int Columns = 12;

QImage fromIcon(const QIcon& icon) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(fromBgr(bgr::Background));
    QPainter painter(&image);
    icon.paint(&painter, 0, 0, 16, 16);
    return image;
}

std::vector<Cell> cells() {
    std::vector<Cell> out;
    for (int i = 0; i < artwork::ObjectIconCount; ++i) {
        out.push_back({QStringLiteral("Im%1").arg(i), artwork::objectIcon(i)});
    }
    for (int i = artwork::ObjectIconCount; i < artwork::ImageList1Count; ++i) {
        out.push_back({QStringLiteral("IL1 %1").arg(i), fromIcon(artwork::imageList1(i))});
    }
    for (int i = 35; i < artwork::ImageList3Count; ++i) {
        out.push_back({QStringLiteral("IL3 %1").arg(i), fromIcon(artwork::imageList3(i))});
    }
    out.push_back({QStringLiteral("Img1"), artwork::img1()});
    out.push_back({QStringLiteral("Img2"), artwork::img2()});
    out.push_back({QStringLiteral("Image7"), artwork::modulePicture()});
    out.push_back({QStringLiteral("Image8"), artwork::procedurePicture()});
    out.push_back({QStringLiteral("Image9"), artwork::functionPicture()});
    for (int i = 1; i <= 5; ++i) {
        out.push_back({QStringLiteral("ButNav%1").arg(i), fromIcon(artwork::historyButtonIcon(i))});
    }
    out.push_back({QStringLiteral("copy"), fromIcon(artwork::copyButtonIcon())});
    out.push_back({QStringLiteral("program"), fromIcon(artwork::programIcon())});
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Использование: kelvane-iconsheet <файл.png>\n");
        return 2;
    }
    const std::vector<Cell> all = cells();
    const int rows = (static_cast<int>(all.size()) + Columns - 1) / Columns;
    QImage sheet(Columns * CellWidth, rows * CellHeight + 140, QImage::Format_RGB32);
    sheet.fill(fromBgr(bgr::Background));
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int x = static_cast<int>(i % Columns) * CellWidth;
        const int y = static_cast<int>(i / Columns) * CellHeight;
        painter.drawImage(x + 4, y + 4, all[i].image);
        painter.drawImage(QRect(x + 26, y + 4, all[i].image.width() * 4, 64), all[i].image);
        painter.setPen(Qt::black);
        painter.drawText(x + 4, y + 84, all[i].label);
    }
    const QIcon program = artwork::programIcon();
    int x = 4;
    for (const int side : {16, 32, 48, 64, 128}) {
        program.paint(&painter, x, rows * CellHeight + 4, side, side);
        x += side + 12;
    }
    painter.end();
    return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
