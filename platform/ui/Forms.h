#pragma once
// The window service: each window class exists once; showing one that is open brings it to the front.
// Windows of later subsystems register a factory by class name; a name without one opens nothing.
#include <QString>
#include <functional>
#include <vector>

#include "platform/ui/Form.h"

namespace ui {

using FormFactory = std::function<Form*()>;
void registerForm(const QString& className, FormFactory factory);
[[nodiscard]] bool isRegistered(const QString& className);
// Every registered class name, sorted.
[[nodiscard]] std::vector<QString> registeredForms();

// The open instance, or nullptr.
[[nodiscard]] Form* findForm(const QString& className);
// The open instance, or a new one (loaded). nullptr when the class is not registered (or the window
// unloaded itself while loading).
Form* form(const QString& className);
// Shows the class vbModal or vbModeless; an open one is raised unchanged. Returns the window while
// it is loaded: a modal show returns after the window was unloaded, so it gives nullptr then; an
// unregistered class opens nothing and gives nullptr.
Form* showForm(const QString& className, Modality modal);
template <class F>
F* formOf(const QString& className) {
    return static_cast<F*>(form(className));
}

// Every loaded window, in load order.
[[nodiscard]] std::vector<Form*> loadedForms();
// Unloads every loaded window (modal and modeless alike) with the reason given.
void unloadAll(int unloadMode);

// The end of the session: SIGTERM (the task list's close) calls onEnd(vbAppTaskManager); the session
// manager's commit-data request at log-off or shut-down calls onEnd(vbAppWindows). onEnd runs once, on
// the user-interface thread; after a SIGTERM the event loop is then asked to quit, and a second
// SIGTERM ends the process the default way. Installing again replaces onEnd and re-arms it.
void installSessionHandlers(std::function<void(int unloadMode)> onEnd);
// Puts SIGTERM back to its default action and forgets onEnd (tests).
void removeSessionHandlers();

// Called by Form; not for other use.
void formLoaded(Form* f);
void formGone(Form* f);

}  // namespace ui
