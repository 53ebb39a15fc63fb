#pragma once

namespace quarlin::hostapp {

// Opens every prompt from the main window's Prompts menu, as a person would, answers it with OK
// and prints what the host logged. Returns the number of prompts that did not open as the
// modal dialog their menu entry names, or left no outcome behind.
int exercisePrompts();

} // namespace quarlin::hostapp
