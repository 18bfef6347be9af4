#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QWidget;

// Runs a control's enter event when the keyboard focus moves to it, or to a
// control inside it, from a control outside it. A window that is deactivated
// and activated again gives its focus back without a new enter event.
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
    QPointer<QWidget> m_last;
};
