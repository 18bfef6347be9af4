#pragma once

#include "IProgressDisplay.h"

class QWidget;

// A display that has Qt repaint a blank widget of the gauge's size at once on
// every setting: what Qt's general immediate repaint costs with nothing drawn,
// for comparison with the gauge's own painting.
class TBlankRepaintDisplay final : public IProgressDisplay {
public:
    explicit TBlankRepaintDisplay(QWidget& blank);
    void SetProgress(int value) override;

private:
    QWidget& m_blank;
};
