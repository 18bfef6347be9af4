#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A picture button: never takes the focus, draws a raised face (sunken while
// pressed, the picture then one pixel down and right) with its picture
// centred, and clicks when the mouse is released over it.
class TSpeedButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* parent);

    // The colour of the picture's bottom-left pixel shows the button face.
    void SetGlyph(const QImage& picture);
    const QPixmap& Glyph() const { return m_glyph; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_glyph;
};
