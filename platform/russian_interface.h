#pragma once
// The texts that wxWidgets itself shows (the help viewer's buttons, standard labels) in Russian,
// whatever the user's locale, as every text of the programs is.

namespace vornet {

// Call once at start-up, before any window is made.
void UseRussianInterface();

}  // namespace vornet
