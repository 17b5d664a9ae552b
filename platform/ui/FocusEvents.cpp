#include "platform/ui/FocusEvents.h"

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include "platform/ui/Dialogs.h"

namespace ui {

// Per window, the control that has the focus as the window's own events see it. Focus that leaves for a
// box, a menu or another window stays recorded here, so its return is no new GotFocus.

class FocusTracker : public QObject {
public:
    static FocusTracker& instance() {
        static FocusTracker* t = new FocusTracker(qApp);
        return *t;
    }

    QPointer<QWidget>& holder(QWidget* window) {
        // Entries of closed windows hold null pointers (the controls went with them); drop them now and then.
        if (m_holders.size() > 64) m_holders.removeIf([](auto it) { return it.value().isNull(); });
        return m_holders[window];
    }

    static void lose(QWidget* control) {
        if (auto* events = dynamic_cast<FocusEvents*>(control)) guarded([&] { events->raiseLostFocus(); });
    }

private:
    explicit FocusTracker(QObject* parent) : QObject(parent) {
        // A control without these events (a grid, a button) that gets the focus back from another window
        // ends the recorded control's focus too.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (!now || dynamic_cast<FocusEvents*>(now)) return;
            QPointer<QWidget>& h = holder(now->window());
            if (!h || h == now) return;
            QPointer<QWidget> old = h;
            h = nullptr;
            lose(old);
        });
    }

    QHash<QWidget*, QPointer<QWidget>> m_holders;
};

namespace {

bool passing(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason || reason == Qt::ActiveWindowFocusReason;
}

}  // namespace

FocusEvents::~FocusEvents() = default;

bool FocusEvents::focusArrives(QWidget* self, Qt::FocusReason reason) {
    (void)reason;
    QPointer<QWidget>& h = FocusTracker::instance().holder(self->window());
    if (h == self) return false;  // back from a box, a menu or another window
    QPointer<QWidget> old = h;
    h = self;
    if (old) FocusTracker::lose(old);
    return true;
}

bool FocusEvents::focusLeaves(QWidget* self, Qt::FocusReason reason) {
    if (passing(reason)) return false;
    QPointer<QWidget>& h = FocusTracker::instance().holder(self->window());
    if (h != self) return false;
    h = nullptr;
    return true;
}

}  // namespace ui
