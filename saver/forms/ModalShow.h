// Showing a form modally: the call returns once the form has been unloaded.
#pragma once

namespace velmora::forms {

class Form;

// Loads the form when needed, shows it, puts the focus on its first tab stop and delivers
// messages until the form is gone. The Tab key moves between the stops; the form has no default
// or cancel button, so Enter and Escape do nothing of their own.
void showModal(Form& form);

} // namespace velmora::forms
