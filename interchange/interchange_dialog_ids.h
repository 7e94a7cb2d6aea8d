#pragma once
// Control ids of the export and import dialogs. Controls keep their classic numbers.

namespace vornet::interchange_ids {

// Template fields. The export dialog has all four; the import dialog reuses 1042 to 1044 for its
// three import templates.
constexpr int kDescriptionsTemplate = 1085;
constexpr int kQuestionsTemplate = 1042;
constexpr int kAnswersTemplate = 1043;
constexpr int kRightAnswersTemplate = 1044;

// "Помощь" sends the help command. Its classic number, 57670, is beyond what wxWidgets accepts for
// any window id, so the button carries the number that the creator's help command has here.
constexpr int kHelpButton = 22670;

}  // namespace vornet::interchange_ids
