#include "TEnterTracker.h"

#include <QApplication>
#include <QWidget>

TEnterTracker::TEnterTracker(QObject* parent) : QObject(parent) {
    connect(qApp, &QApplication::focusChanged, this, &TEnterTracker::OnFocusChanged);
}

void TEnterTracker::Watch(QWidget* control, std::function<void()> onEnter) {
    m_watched.push_back({control, std::move(onEnter)});
}

void TEnterTracker::OnFocusChanged(QWidget*, QWidget* now) {
    // Losing the focus to no widget (a window deactivated or hidden, a page
    // being switched) is no move, and neither is a visit to another window (a
    // message box): each window's own last focused control is what counts.
    if (!now)
        return;
    QWidget* window = now->window();
    const QPointer<QWidget> before = m_lastInWindow.value(window);
    m_lastInWindow.insert(window, now);
    auto inside = [](const QWidget* control, const QWidget* w) {
        return w && (control == w || control->isAncestorOf(w));
    };
    for (const Watched& watched : m_watched) {
        if (watched.control && inside(watched.control, now) && !inside(watched.control, before))
            watched.onEnter();
    }
}
