#include "TLabel.h"

#include <QFontMetrics>

TLabel::TLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setTextFormat(Qt::PlainText);
}

QSize TLabel::AutoSize() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()), metrics.height()};
}

void TLabel::PlaceAutoSized(int left, int top) {
    setGeometry(QRect(QPoint(left, top), AutoSize()));
}
