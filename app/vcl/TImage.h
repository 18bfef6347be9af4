#pragma once

#include <QImage>
#include <QWidget>

// A picture drawn at its own size, centred in the control with whole-number
// division, opaque; a click is a press and release over it.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    bool m_pressed = false;
};
