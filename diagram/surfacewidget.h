#pragma once

#include <QScrollArea>

class QMenu;

namespace kelvane {

class Surface;

// ScrollBox1 with Image1: shows the surface at (1, 1), reports mouse positions in surface pixels
// and opens the context menu on a right click. It only paints; it draws nothing itself.
class SurfaceWidget : public QScrollArea {
    Q_OBJECT
public:
    explicit SurfaceWidget(const Surface& surface, QWidget* parent = nullptr);

    void setContextMenu(QMenu* menu);
    // Repaints after a drawing routine has changed the surface.
    void refresh();

signals:
    void mouseReleased(Qt::MouseButton button, int x, int y);
    void mouseMoved(int x, int y);

private:
    class Canvas;
    Canvas* canvas_;
};

} // namespace kelvane
