#include "platform/ui/Forms.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QSessionManager>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <csignal>

#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"

namespace ui {

namespace {

struct Registry {
    QHash<QString, FormFactory> factories;
    std::vector<Form*> loaded;  // load order; a form removes itself when it unloads or is destroyed
};

Registry& registry() {
    static Registry r;
    return r;
}

}  // namespace

void registerForm(const QString& className, FormFactory factory) {
    registry().factories.insert(className, std::move(factory));
}

bool isRegistered(const QString& className) { return registry().factories.contains(className); }

std::vector<QString> registeredForms() {
    std::vector<QString> names(registry().factories.keyBegin(), registry().factories.keyEnd());
    std::sort(names.begin(), names.end());
    return names;
}

Form* findForm(const QString& className) {
    for (Form* f : registry().loaded)
        if (f->formClassName() == className) return f;
    return nullptr;
}

Form* form(const QString& className) {
    if (Form* open = findForm(className)) return open;
    const auto it = registry().factories.constFind(className);
    if (it == registry().factories.constEnd() || !*it) return nullptr;
    Form* created = (*it)();
    if (!created) return nullptr;
    QPointer<Form> guard(created);
    created->Load();
    if (!guard || !guard->isLoadedForm()) return nullptr;
    return created;
}

Form* showForm(const QString& className, Modality modal) {
    if (Form* open = findForm(className); open && open->isVisible()) {
        // One instance per class: bring it to the front as it is.
        open->raise();
        open->activateWindow();
        return open;
    }
    QPointer<Form> f = form(className);
    if (!f) return nullptr;
    f->Show(modal);
    if (!f || !f->isLoadedForm()) return nullptr;
    return f;
}

std::vector<Form*> loadedForms() { return registry().loaded; }

void unloadAll(int unloadMode) {
    std::vector<QPointer<Form>> forms;
    for (Form* f : registry().loaded) forms.emplace_back(f);
    for (const QPointer<Form>& f : forms)
        if (f && f->isLoadedForm()) (void)f->closeWithReason(unloadMode);
}

void formLoaded(Form* f) {
    auto& loaded = registry().loaded;
    if (std::find(loaded.begin(), loaded.end(), f) == loaded.end()) loaded.push_back(f);
}

void formGone(Form* f) {
    auto& loaded = registry().loaded;
    loaded.erase(std::remove(loaded.begin(), loaded.end(), f), loaded.end());
}

// ---- end of the session -------------------------------------------------------------------------

namespace {

struct Session {
    int fds[2] = {-1, -1};  // [0] written by the signal handler, [1] read by the notifier
    QSocketNotifier* notifier = nullptr;
    std::function<void(int)> onEnd;
    bool ended = false;
    bool connected = false;
};

Session& session() {
    static Session s;
    return s;
}

int g_signalWriteFd = -1;  // read by the handler: no function-local statics there

extern "C" void onSigTerm(int) {
    // Only async-signal-safe calls here: the user-interface thread does the work.
    const int saved = errno;
    const char byte = 1;
    const ssize_t written = ::write(g_signalWriteFd, &byte, 1);
    (void)written;
    errno = saved;
}

void endSession(int unloadMode) {
    Session& s = session();
    if (s.ended || !s.onEnd) return;
    s.ended = true;
    const auto onEnd = s.onEnd;
    guarded([&] { onEnd(unloadMode); });
    if (unloadMode == vbAppTaskManager) {
        std::signal(SIGTERM, SIG_DFL);
        QCoreApplication::quit();
    }
}

void setSigTerm(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

void installSessionHandlers(std::function<void(int unloadMode)> onEnd) {
    Session& s = session();
    s.onEnd = std::move(onEnd);
    s.ended = false;
    if (s.fds[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s.fds) != 0) {
            s.fds[0] = s.fds[1] = -1;
        } else {
            ::fcntl(s.fds[0], F_SETFL, ::fcntl(s.fds[0], F_GETFL) | O_NONBLOCK);
            ::fcntl(s.fds[1], F_SETFL, ::fcntl(s.fds[1], F_GETFL) | O_NONBLOCK);
            g_signalWriteFd = s.fds[0];
            s.notifier = new QSocketNotifier(s.fds[1], QSocketNotifier::Read, QCoreApplication::instance());
            QObject::connect(s.notifier, &QSocketNotifier::activated, s.notifier, [] {
                char buffer[64];
                while (::read(session().fds[1], buffer, sizeof buffer) > 0) {
                }
                endSession(vbAppTaskManager);
            });
        }
    }
    if (!s.connected) {
        s.connected = true;
        if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
#ifndef QT_NO_SESSIONMANAGER
            QObject::connect(app, &QGuiApplication::commitDataRequest, app,
                             [](QSessionManager&) { endSession(vbAppWindows); });
#endif
            QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] {
#ifndef QT_NO_SESSIONMANAGER
                if (qGuiApp->isSavingSession()) endSession(vbAppWindows);
#endif
            });
        }
    }
    if (s.fds[0] >= 0) setSigTerm(&onSigTerm);
}

void removeSessionHandlers() {
    setSigTerm(SIG_DFL);
    session().onEnd = nullptr;
    session().ended = false;
}

}  // namespace ui
