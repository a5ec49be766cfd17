// The program's message loop, and ending the program outright.
#pragma once

namespace velmora::forms {

// Delivers messages until no form is loaded any more (or WM_QUIT arrives); returns the exit code.
int runMessageLoop();

// Ends the program at once: the loop is left and the process exits with code 0. Loaded windows
// are dropped without any further event reaching their forms.
[[noreturn]] void endProgram();

// True once endProgram has begun; window procedures then do nothing of their own.
bool programEnding();

} // namespace velmora::forms
