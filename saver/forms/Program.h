// The program's message loops: the one that waits for the program's window, the modal showing
// of a form with the Tab key moving along its tab order, and ending the program outright.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace velmora::forms {

class Form;

// How a message loop treats the keyboard: as it comes, or with the Tab key moving the focus
// between the tab stops of the form it waits for (a modal form).
enum class TabKeys { AsTheyCome, MoveFocus };

// Delivers messages until form has unloaded. When WM_QUIT comes first, its exit code.
std::optional<int> deliverMessages(const Form& form, TabKeys keys);

// Delivers messages until form, the program's window, has unloaded (or WM_QUIT arrives);
// returns the exit code.
int runMessageLoop(const Form& form);

// Loads the form when needed, shows it, puts the focus on its first tab stop and delivers
// messages until the form is gone. The Tab key moves between the stops; the form has no default
// or cancel button, so Enter and Escape do nothing of their own.
void showModal(Form& form);

struct TabStop {
    int tabIndex;
    HWND window;
};

// Marks every window a tab stop and stacks siblings in tab-index order, which is the order the
// keyboard follows; a container that holds stops is searched as part of its form.
void applyTabOrder(std::vector<TabStop> stops);

// Ends the program at once: the loop is left and the process exits with code 0. Loaded windows
// are dropped without any further event reaching their forms.
[[noreturn]] void endProgram();

// True once endProgram has begun; window procedures then do nothing of their own.
bool programEnding();

} // namespace velmora::forms
