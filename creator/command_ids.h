#pragma once
// Command and control ids of the creator. Controls keep their numbers. wxGTK refuses menu command
// ids from 32767 up, so every menu command is its classic number less 10000 (New 32780 is 22780
// here), and the standard help command gets a number of the same kind.

namespace vornet::creator_ids {

// Menu and accelerator commands.
constexpr int kAbout = 22773;
constexpr int kSave = 22774;
constexpr int kSaveAs = 22775;
constexpr int kLoad = 22776;
constexpr int kNew = 22780;
constexpr int kParameters = 22781;
constexpr int kCompile = 22784;
constexpr int kExit = 22786;
constexpr int kImport = 22787;
constexpr int kExport = 22788;
// Bound to Esc so that the key does nothing: no handler takes this command.
constexpr int kEscape = 22790;
constexpr int kMerge = 22792;
constexpr int kHelpContents = 22670;

// Main window controls.
constexpr int kQuestionList = 1023;
constexpr int kAnswerList = 1033;
constexpr int kAddAnswer = 1039;
constexpr int kEditAnswer = 1040;
constexpr int kDeleteAnswer = 1041;
constexpr int kAddQuestion = 1042;
constexpr int kEditQuestion = 1043;
constexpr int kDeleteQuestion = 1044;

// Question dialog.
constexpr int kQuestionText = 1023;
constexpr int kQuestionPicture = 1046;
constexpr int kQuestionSound = 1047;
constexpr int kQuestionBrowsePicture = 1030;
constexpr int kQuestionBrowseSound = 1031;

// Answer dialog.
constexpr int kAnswerText = 1042;
constexpr int kAnswerPicture = 1043;
constexpr int kAnswerSound = 1044;
constexpr int kAnswerBrowsePicture = 1053;
constexpr int kAnswerBrowseSound = 1054;
constexpr int kAnswerAccuracy = 1025;

// Compile dialog: the four result labels, in row order.
constexpr int kCompileResult1 = 1062;
constexpr int kCompileResult2 = 1063;
constexpr int kCompileResult3 = 1064;
constexpr int kCompileResult4 = 1065;

// About box.
constexpr int kAboutOpenPage = 1089;

}  // namespace vornet::creator_ids
