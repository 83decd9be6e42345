// The application's own parts that the window relies on: its title and its default error handler.
#pragma once

#include <QString>
#include <exception>
#include <utility>

// The title of a program file: its name up to the first full stop, every character after the
// first in lower case ("/usr/bin/LUMORA_Demo.bin" gives "Lumora_demo").
QString ApplicationTitleOf(const QString& programPath);
// The title of the running program; captions the error message boxes.
QString ApplicationTitle();

// The default error handler: shows the message of the exception being handled in a critical
// message box captioned with the application's title. Call it only inside a catch block.
void HandleException() noexcept;

// Runs one event handler (or the creation handler) so that nothing it throws leaves it: the
// default error handler shows the error and the program goes on.
template <class Action>
void RunHandled(Action&& action) noexcept {
    try {
        std::forward<Action>(action)();
    } catch (...) {
        HandleException();
    }
}
