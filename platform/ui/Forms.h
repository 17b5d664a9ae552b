#pragma once
// The window service: each window class exists once; showing one that is open brings it to the front.
// Windows of later subsystems register a factory by class name; a name without one opens nothing.
#include <QString>
#include <functional>
#include <vector>

namespace ui {

class Form;

using FormFactory = std::function<Form*()>;
void registerForm(const QString& className, FormFactory factory);
[[nodiscard]] bool isRegistered(const QString& className);

// The open instance, or nullptr.
[[nodiscard]] Form* findForm(const QString& className);
// The open instance, or a new one (loaded). nullptr when the class is not registered.
Form* form(const QString& className);
// Shows the class modal (1) or modeless (0); an open one is raised unchanged. Returns it (or nullptr).
Form* showForm(const QString& className, int modal);
template <class F>
F* formOf(const QString& className) { return static_cast<F*>(form(className)); }

// Every loaded window, in load order.
[[nodiscard]] std::vector<Form*> loadedForms();
// Unloads every loaded window (modal and modeless alike) with the reason given.
void unloadAll(int unloadMode);

// Called by Form; not for other use.
void formLoaded(Form* f);
void formGone(Form* f);

}  // namespace ui
