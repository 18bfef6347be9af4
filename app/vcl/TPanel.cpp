#include "TPanel.h"

#include <QApplication>
#include <QPainter>

TPanel::TPanel(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void TPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette system = QApplication::palette();
    const int w = width(), h = height();
    painter.fillRect(0, 0, w, 1, system.color(QPalette::Light));
    painter.fillRect(0, 0, 1, h, system.color(QPalette::Light));
    painter.fillRect(0, h - 1, w, 1, system.color(QPalette::Dark));
    painter.fillRect(w - 1, 0, 1, h, system.color(QPalette::Dark));
}
