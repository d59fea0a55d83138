#pragma once
#include <functional>

// The day's copy of the archive, taken at start in a thread of its own once the main menu shows,
// so that the menu never waits for it.
namespace CopiaDelGiorno {
// Starts the copy as soon as the event loop runs, unless one is running; lavoro stands for the copy
// where given (tests).
void avvia(std::function<void()> lavoro = {});
// Waits with the hourglass for a copy still running; windows keep painting meanwhile.
void attendi();
} // namespace CopiaDelGiorno
