#pragma once
// GotFocus/LostFocus as VB raises them: for the focus moving between the controls of a window (a click,
// Tab, setFocus, the window's first control when it opens). A message box, a menu, a combo's own list or
// another window taking the focus for a while raises neither: the control keeps its focus colour, and its
// LostFocus checks do not run under a box that the same window's command shows. Should the focus come
// back to another control of the window (it was moved while the window was not active), the one that had
// it gets its LostFocus then.
#include <qnamespace.h>

class QWidget;

namespace ui {

// The base of the controls that raise GotFocus/LostFocus (text boxes, combos).
class FocusEvents {
public:
    virtual ~FocusEvents();

protected:
    // From focusInEvent/focusOutEvent: whether GotFocus/LostFocus is to be raised for this move.
    [[nodiscard]] bool focusArrives(QWidget* self, Qt::FocusReason reason);
    [[nodiscard]] bool focusLeaves(QWidget* self, Qt::FocusReason reason);
    // Raises the control's LostFocus: the focus went elsewhere while the window was away.
    virtual void raiseLostFocus() = 0;

private:
    friend class FocusTracker;
};

}  // namespace ui
