#pragma once
// A window command that no exception leaves: Qt cannot carry one out of an
// event handler, and the program would end with the user's input lost.
#include <functional>

namespace veldrin {

// Runs the command; a refusal (RunRefused) is shown as its own message box,
// any other failure as a box saying the command did not finish. The window
// stays as the command left it.
void runGuarded(const std::function<void()>& command);

// The command wrapped for a signal connection.
template <typename Command>
auto guarded(Command command) {
  return [command]() mutable { runGuarded(command); };
}

}  // namespace veldrin
