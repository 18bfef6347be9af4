#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QWidget;

// Runs a control's enter event when the keyboard focus moves to it, or to a
// control inside it, from a control outside it in the same window. A window
// that is deactivated and activated again, or left for a message box, gets its
// focus back without a new enter event.
class TEnterTracker : public QObject {
    Q_OBJECT
public:
    explicit TEnterTracker(QObject* parent = nullptr);

    void Watch(QWidget* control, std::function<void()> onEnter);

private:
    void OnFocusChanged(QWidget* old, QWidget* now);

    struct Watched {
        QPointer<QWidget> control;
        std::function<void()> onEnter;
    };
    std::vector<Watched> m_watched;
    QHash<QWidget*, QPointer<QWidget>> m_lastInWindow;
};
