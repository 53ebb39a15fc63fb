#pragma once

namespace quarlin::hostapp {

// Opens every prompt from the main window's Prompts and Plot menus, as a person would, answers
// it by script (quarlin_prompt_testing) with the catalog's answer and prints what the host
// logged. Returns the number of prompts that did not take their answer or left another outcome.
int exercisePrompts();

} // namespace quarlin::hostapp
