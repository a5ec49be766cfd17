// The program's message loop, and ending the program outright.
#pragma once

#include <optional>

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

// Ends the program at once: the loop is left and the process exits with code 0. Loaded windows
// are dropped without any further event reaching their forms.
[[noreturn]] void endProgram();

// True once endProgram has begun; window procedures then do nothing of their own.
bool programEnding();

} // namespace velmora::forms
