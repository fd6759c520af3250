// The one seam through which the program shows message boxes and file
// dialogs, so that tests can see and answer them instead of a user.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>


namespace velmar::dialogs {

// Shows `text` in a box with only an OK button, no icon and the program's
// own title. Carriage returns in the text are line breaks. `detalls`, when
// given, is what the box shows only when asked (its details part): what
// support needs and the user does not.
void ShowMessage(const std::string& text, const std::string& detalls = {});

// Puts `handler` in place of the real box (an empty one restores it);
// returns the handler that was in place.
using MessageHandler = std::function<void(const std::string& text, const std::string& detalls)>;
MessageHandler SetMessageHandler(MessageHandler handler);

// Asks `text` in a box with Yes and No buttons, no icon, the program's own
// title and Yes as the default; true when the answer is Yes.
bool AskYesNoQuestion(const std::string& text);

// Puts `handler` in place of the real box (an empty one restores it);
// returns the handler that was in place.
using YesNoHandler = std::function<bool(const std::string& text)>;
YesNoHandler SetYesNoHandler(YesNoHandler handler);

// What a file dialog asks: to open an existing file, or to save one. A save
// offers `filtre` (a name pattern such as "*.bmp") and completes a name
// typed without an extension with `extensio`. The dialog shows the folder
// `carpeta` first, with the file `arxiu` in it chosen when it is there;
// with no folder, the dialog's own.
struct FileRequest {
    bool gravar = false;
    std::string extensio;
    std::string filtre;
    std::string carpeta;
    std::string arxiu;
};

// Shows the common file dialog; the chosen path, or none when the user
// cancelled. A save does not ask about a file that exists: the program
// asks that itself, in the user's language. The dialog tells the files it
// lists apart by their names alone: it opens none of them, since opening
// and closing a file of the database the program has open drops SQLite's
// locks on it (Ado/DatabaseFiles.h).
std::optional<std::string> ChooseFile(const FileRequest& peticio);

// Puts `handler` in place of the real dialog (an empty one restores it);
// returns the handler that was in place.
using FileChoiceHandler = std::function<std::optional<std::string>(const FileRequest& peticio)>;
FileChoiceHandler SetFileChoiceHandler(FileChoiceHandler handler);

// Shows `window` modally: the user works in it alone until it is hidden or
// closed, and then the call returns.
void ShowModalWindow(QWidget* window);

// Puts `handler` in place of the modal show (an empty one restores it); the
// handler works in the window as the user would and returns; returns the
// handler that was in place.
using ModalHandler = std::function<void(QWidget* window)>;
ModalHandler SetModalHandler(ModalHandler handler);

// A control of a window whose name is also its caption, as a window
// shows it before translation.
template <class Widget>
Widget* Control(QWidget* window, const char* name) {
    auto* control = new Widget(QString::fromLatin1(name), window);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace velmar::dialogs
