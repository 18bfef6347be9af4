#pragma once

#include <QTabWidget>

class TPageControlStyle;

// Tabbed pages with the geometry of the form: every page's client area is
// exactly PageSize(), 4 pixels in from the sides and below a strip of tabs.
// The tab strip takes the focus on a click and keeps it; Ctrl+Tab and
// Ctrl+Shift+Tab wrap; a page change with the focus inside the page being
// left moves the focus to the new page's first control in tab order.
class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent);
    ~TPageControl() override;

    static constexpr int kSideMargin = 4;
    static constexpr int kTabStripHeight = 24;

    // The first control of a page, in tab order, that can take the focus.
    static QWidget* FirstFocusable(QWidget* page);

private:
    void OnCurrentChanged(int index);

    TPageControlStyle* m_style;
};
