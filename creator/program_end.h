#pragma once
// Ending the creator from inside a command (the author gave up at the edit-password prompt).
// Tests install a handler of their own, since a test process must not end.

#include <functional>

namespace vornet {

using ProgramEndHandler = std::function<void(int exitCode)>;

// Ends the program with `exitCode` as soon as the current command returns; the caller returns
// straight away. By default the main window is destroyed and the event loop left.
void EndProgram(int exitCode);

// Replaces the way EndProgram ends the program; an empty handler restores the default.
void SetProgramEndHandler(ProgramEndHandler handler);

}  // namespace vornet
