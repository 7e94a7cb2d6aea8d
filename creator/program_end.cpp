#include "creator/program_end.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/window.h>

namespace vornet {
namespace {

ProgramEndHandler& Handler() {
  static ProgramEndHandler handler;
  return handler;
}

// Leaving the main loop with `exitCode` makes wxEntry, and with it main(), return that code.
void EndByLeavingTheEventLoop(int exitCode) {
  if (wxTheApp == nullptr) return;
  if (wxWindow* top = wxTheApp->GetTopWindow()) top->Destroy();
  if (wxEventLoopBase* loop = wxTheApp->GetMainLoop()) loop->Exit(exitCode);
}

}  // namespace

void EndProgram(int exitCode) {
  if (Handler()) {
    Handler()(exitCode);
  } else {
    EndByLeavingTheEventLoop(exitCode);
  }
}

void SetProgramEndHandler(ProgramEndHandler handler) { Handler() = std::move(handler); }

}  // namespace vornet
