#include "TSpeedButton.h"

#include "TArtwork.h"

#include <QPainter>
#include <qdrawutil.h>

TSpeedButton::TSpeedButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TSpeedButton::SetGlyph(const QImage& picture) {
    m_glyph = TArtwork::WithTransparentBottomLeft(picture);
    update();
}

void TSpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = isDown();
    const QBrush face = palette().button();
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);
    if (!m_glyph.isNull()) {
        QPoint at = TArtwork::CentredOffset(size(), m_glyph.size());
        if (sunken)
            at += QPoint(1, 1);
        painter.drawPixmap(at, m_glyph);
    }
}
