#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace quarlin::hostapp {

// Runs `setTexts` now, and again each time `widget` takes a language change, which Qt hands
// to every widget of the application when a translator is installed or removed. The app sets
// each of its texts this way, so Settings > Language switches every window at once.
void followLanguage(QWidget& widget, std::function<void()> setTexts);

} // namespace quarlin::hostapp
