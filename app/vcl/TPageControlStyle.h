#pragma once

#include <QProxyStyle>

// Lays out a page control's tab strip, frame and page area to fixed metrics.
class TPageControlStyle : public QProxyStyle {
    Q_OBJECT
public:
    TPageControlStyle(int sideMargin, int tabStripHeight);

    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

private:
    int m_sideMargin;
    int m_tabStripHeight;
};
