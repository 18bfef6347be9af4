#pragma once

#include <QWidget>

// A panel in its own colour with a raised edge one pixel wide.
class TPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
