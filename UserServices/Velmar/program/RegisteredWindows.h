// The windows the program opens by name: the command line's --window, the
// start window and its menu, and every window a test opens on its own. A
// window joins with one line in RegisteredWindows.cpp.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "core/services/Session.h"

namespace velmar {

// What opening a window is given beyond the session: the options of the
// command line that only some windows take (such as --picture FILE), by
// name without the dashes.
struct OpeningOptions {
    std::map<std::string, std::string, std::less<>> opcions;
    // The option's value; raises 449 (argument not optional) when it was
    // not given.
    const std::string& Option(std::string_view nom) const;
};

using WindowFactory = std::unique_ptr<QWidget> (*)(const OpeningOptions& obertura);

// Where the start window's menu offers a window: among the
// administration's windows, among those of the project selected in its
// list, or nowhere.
enum class Menu { Nowhere, Administration, Project };

struct RegisteredWindow {
    const char* nom;       // the window's own Name
    WindowFactory crea;
    const char* opcions;   // what it needs besides, as the usage shows it
    Menu menu = Menu::Nowhere;
    // The menu's caption in Català, for when the start window's texts have
    // no row "mnu" and the name without "frm" (mnuClients).
    const char* titol = "";
};

// Adds the project's short name to the window's title (its number, when
// no project has it).
void AddProjectToTitle(QWidget& window, int32_t projecte);

// Factories for the registry. A window that needs nothing more:
template <class Window>
std::unique_ptr<QWidget> WithoutProject(const OpeningOptions&) {
    return std::make_unique<Window>();
}
// A window that works within the session's project: it is given the
// project as it opens, and does not open while none is chosen. Its title
// names the project.
template <class Window>
std::unique_ptr<QWidget> WithProject(const OpeningOptions&) {
    const int32_t projecte = CaptureProject();
    std::unique_ptr<QWidget> window = std::make_unique<Window>(projecte);
    AddProjectToTitle(*window, projecte);
    return window;
}

// Every window that opens by name, in the order of the list.
std::span<const RegisteredWindow> RegisteredWindows();
// The window of that name, or none.
const RegisteredWindow* FindRegisteredWindow(std::string_view nom);

// Shows the window of that name, opened as OpenWindow opens it, or raises
// the one already open: one window of a kind at a time. A window of the
// project menu open on another project than the session's is closed (it
// asks first about what it has unsaved) and opened again on the session's;
// when the user keeps it, it is the one raised. It ends when it is closed.
void OpenSingle(const RegisteredWindow& finestra);

// Opens the window, not yet shown. A failure to open it (no project chosen
// for a window that needs one, a missing option) is shown with EmetError,
// with the entry " - Form_Load" under the window's name, and gives none; a
// window whose own start-up fails shows that itself and opens as far as it
// got.
std::unique_ptr<QWidget> OpenWindow(const RegisteredWindow& finestra, const OpeningOptions& obertura);

}  // namespace velmar
