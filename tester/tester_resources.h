#pragma once
// The tester's dialog templates, compiled into the program.

namespace vornet {

// Registers the templates with wxXmlResource; safe to call more than once.
void LoadTesterResources();

}  // namespace vornet
