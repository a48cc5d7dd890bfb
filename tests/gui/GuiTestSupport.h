#pragma once

#include "GameBuilder.h"
#include "MainWindow.h"
#include "QtText.h"
#include "WindowSet.h"

#include "controls/MainWindowControls.h"

#include "session/ScriptedPrompter.h"
#include "session/Session.h"

#include <QAction>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

namespace plorik::gui {

// One program on a freshly built game: the session with a scripted prompter and its real windows,
// started as the program starts (main window shown, then the start-up).
struct Running {
    explicit Running(testing::Family family, bool configured = true, const std::vector<std::string>& answers = {});

    MainWindow& window() { return windows->mainWindow(); }
    // A widget by its objectName: a control's key, or a name the layout gives ("Pages", "caption:...").
    template <class T> T* find(const char* name)
    {
        T* found = window().findChild<T*>(QString::fromLatin1(name));
        if (!found)
            throw std::runtime_error(std::string("no widget ") + name);
        return found;
    }
    template <class T> T* find(ControlKey key) { return find<T>(std::string(key.name()).c_str()); }
    QAction* action(ControlKey key) { return find<QAction>(key); }

    testing::TempDir dir;
    testing::BuiltGame game;
    ScriptedPrompter prompter;
    std::unique_ptr<Session> session;
    std::unique_ptr<WindowSet> windows;
};

// The keys of the controls whose widget shows something else than the form holds.
QStringList formMismatches(const Form& form, const QWidget& window);

} // namespace plorik::gui
