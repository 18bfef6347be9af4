#pragma once

#include <QWidget>

// A lowered line or etched frame, drawn in the system's button shades.
class TBevel : public QWidget {
    Q_OBJECT
public:
    enum TBevelShape { bsBox, bsFrame };
    TBevel(TBevelShape shape, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelShape m_shape;
};
