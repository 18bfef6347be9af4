#pragma once

#include <QLabel>

// A caption on a form: opaque, painted in the colour it takes from its parent,
// and as large as its text unless it is docked.
class TLabel : public QLabel {
    Q_OBJECT
public:
    TLabel(const QString& caption, QWidget* parent);

    // Places an undocked label: its size follows from its text in its font.
    void PlaceAutoSized(int left, int top);
    // The size an undocked label takes for its text.
    QSize AutoSize() const;
};
