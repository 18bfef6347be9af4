#include "TPageControlStyle.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>

TPageControlStyle::TPageControlStyle(int sideMargin, int tabStripHeight)
    : QProxyStyle(QApplication::style()->name()), m_sideMargin(sideMargin),
      m_tabStripHeight(tabStripHeight) {}

QRect TPageControlStyle::subElementRect(SubElement element, const QStyleOption* option,
                                        const QWidget* widget) const {
    const auto* tabs = qobject_cast<const QTabWidget*>(widget);
    if (!tabs)
        return QProxyStyle::subElementRect(element, option, widget);
    const QRect all = tabs->rect();
    const int frame = m_sideMargin / 2;
    switch (element) {
    case SE_TabWidgetTabContents:
        return QRect(m_sideMargin, m_tabStripHeight, all.width() - 2 * m_sideMargin,
                     all.height() - m_tabStripHeight - m_sideMargin);
    case SE_TabWidgetTabPane:
        return QRect(0, m_tabStripHeight - frame, all.width(),
                     all.height() - m_tabStripHeight + frame);
    case SE_TabWidgetTabBar: {
        const QSize hint = tabs->tabBar()->sizeHint();
        const int height = std::min(hint.height(), m_tabStripHeight);
        return QRect(frame, m_tabStripHeight - height, std::min(hint.width(), all.width() - frame),
                     height);
    }
    default:
        return QProxyStyle::subElementRect(element, option, widget);
    }
}

int TPageControlStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const {
    // Tabs as narrow as the form's: all six captions fit the strip without scrolling.
    if (metric == PM_TabBarTabHSpace)
        return 10;
    return QProxyStyle::pixelMetric(metric, option, widget);
}
