#include "diagram/surfacewidget.h"

#include "diagram/surface.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kelvane {

// Image1: paints the exposed part of the surface straight from its QImage.
class SurfaceWidget::Canvas : public QWidget {
public:
    Canvas(const Surface& surface, SurfaceWidget& owner)
        : surface_(surface)
        , owner_(owner) {
        setFixedSize(Surface::Size + 1, Surface::Size + 1);
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QMenu* menu = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QRect exposed = event->rect();
        painter.fillRect(exposed, palette().window());
        const QRect source = exposed.translated(-Offset, -Offset) & surface_.image().rect();
        if (!source.isEmpty())
            painter.drawImage(source.topLeft() + QPoint(Offset, Offset), surface_.image(), source);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint() - QPoint(Offset, Offset);
        emit owner_.mouseReleased(event->button(), at.x(), at.y());
        if (event->button() == Qt::RightButton && menu)
            menu->popup(event->globalPosition().toPoint());
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint() - QPoint(Offset, Offset);
        emit owner_.mouseMoved(at.x(), at.y());
    }

private:
    static constexpr int Offset = 1; // Image1 sits at (1, 1) in the scroll box
    const Surface& surface_;
    SurfaceWidget& owner_;
};

SurfaceWidget::SurfaceWidget(const Surface& surface, QWidget* parent)
    : QScrollArea(parent)
    , canvas_(new Canvas(surface, *this)) {
    setWidget(canvas_);
    setWidgetResizable(false);
}

void SurfaceWidget::setContextMenu(QMenu* menu) {
    canvas_->menu = menu;
}

void SurfaceWidget::refresh() {
    canvas_->update();
}

} // namespace kelvane
