#include "TBitBtn.h"

#include "TArtwork.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

TBitBtn::TBitBtn(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void TBitBtn::SetGlyph(const QImage& picture) {
    m_glyph = TArtwork::WithTransparentBottomLeft(picture);
    update();
}

QPoint TBitBtn::GlyphPosition() const {
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int total = m_glyph.width() + kSpacing + textWidth;
    return {(width() - total) / 2, (height() - m_glyph.height()) / 2};
}

void TBitBtn::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint(0, 0);
    const QPoint glyphAt = GlyphPosition() + shift;
    painter.drawPixmap(glyphAt, m_glyph);
    const QRect textRect(glyphAt.x() + m_glyph.width() + kSpacing, shift.y(), width(), height());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text());
}
