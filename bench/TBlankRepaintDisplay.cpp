#include "TBlankRepaintDisplay.h"

#include <QWidget>

TBlankRepaintDisplay::TBlankRepaintDisplay(QWidget& blank) : m_blank(blank) {}

void TBlankRepaintDisplay::SetProgress(int) {
    m_blank.repaint();
}
