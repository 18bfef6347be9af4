#include "TPageControl.h"

#include "TPageControlStyle.h"

#include <QApplication>
#include <QTabBar>

TPageControl::TPageControl(QWidget* parent)
    : QTabWidget(parent), m_style(new TPageControlStyle(kSideMargin, kTabStripHeight)) {
    m_style->setParent(this);
    setStyle(m_style);
    tabBar()->setStyle(m_style);
    tabBar()->setUsesScrollButtons(false);
    tabBar()->setFocusPolicy(Qt::StrongFocus);
    tabBar()->setCursor(Qt::PointingHandCursor);
    tabBar()->setDrawBase(false);
    // The tabs are drawn in the system's button colours whatever the window's colour.
    QPalette palette = tabBar()->palette();
    palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    tabBar()->setPalette(palette);
    connect(this, &QTabWidget::currentChanged, this, &TPageControl::OnCurrentChanged);
}

TPageControl::~TPageControl() = default;

QWidget* TPageControl::FirstFocusable(QWidget* page) {
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(page) &&
            !w->focusProxy())
            return w;
    }
    return nullptr;
}

void TPageControl::OnCurrentChanged(int index) {
    QWidget* page = widget(index);
    QWidget* focus = QApplication::focusWidget();
    // The page stack has already moved a focus that was on the page being left
    // somewhere into the new page; the first control in tab order is where it belongs.
    if (!page || !focus || !page->isAncestorOf(focus))
        return;
    if (QWidget* first = FirstFocusable(page))
        first->setFocus(Qt::TabFocusReason);
}
