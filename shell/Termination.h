#pragma once

#include <functional>

// Asks the application to end once the current event has been handled. Tests replace the
// handler, since ending the application would also end every later modal loop of the test
// program.
void TerminateApplication();
void SetTerminationHandler(std::function<void()> handler);
