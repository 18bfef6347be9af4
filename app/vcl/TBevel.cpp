#include "TBevel.h"

#include <QApplication>
#include <QPainter>

TBevel::TBevel(TBevelShape shape, QWidget* parent) : QWidget(parent), m_shape(shape) {}

void TBevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette system = QApplication::palette();
    const QColor shadow = system.color(QPalette::Dark);
    const QColor light = system.color(QPalette::Light);
    const int w = width(), h = height();
    if (m_shape == bsBox) {
        // Lowered box: shadow on the top and left, light on the bottom and right.
        painter.fillRect(0, 0, w, h, light);
        painter.fillRect(0, 0, w, 1, shadow);
        painter.fillRect(0, 0, 1, h, shadow);
        return;
    }
    // Etched frame: a shadow rectangle with a light one a pixel down and right.
    painter.setPen(light);
    painter.drawRect(1, 1, w - 2, h - 2);
    painter.setPen(shadow);
    painter.drawRect(0, 0, w - 2, h - 2);
}
