#pragma once

#include <QPixmap>
#include <QPushButton>

// A push button with a picture 4 pixels left of its caption, the pair centred.
class TBitBtn : public QPushButton {
    Q_OBJECT
public:
    TBitBtn(const QString& caption, QWidget* parent);

    // The colour of the picture's bottom-left pixel shows the button face.
    void SetGlyph(const QImage& picture);
    const QPixmap& Glyph() const { return m_glyph; }

    static constexpr int kSpacing = 4;
    // Where the picture goes on the face; the caption starts kSpacing after it.
    QPoint GlyphPosition() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_glyph;
};
