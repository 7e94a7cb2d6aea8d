#include "tester/results_log.h"

#include "platform/codepage.h"
#include "tester/time_format.h"

namespace vornet {
namespace {

std::string Ansi(const char* utf8) { return Utf8ToCp1251(utf8); }

}  // namespace

std::string ResultMessageText(int resultPercent) {
  return "Тест завершен.\r\nВаш результат составил: " + std::to_string(resultPercent) + "%";
}

bool ResultsLog::Open() {
  file_.Close();
  file_ = LockedFile::OpenForAppend(kResultsLogName);
  return file_.IsOpen();
}

// A failed write (a full disk) is not reported: the run goes on, as it would without the log.
void ResultsLog::WriteText(const std::string& bytes) {
  if (file_.IsOpen()) file_.WriteAll(bytes);
}

void ResultsLog::WriteNumber(long long value) { WriteText(std::to_string(value)); }

void ResultsLog::WriteLine(const std::string& bytes) { WriteText(bytes + '\r'); }

void ResultsLog::WriteNumberLine(long long value) { WriteLine(std::to_string(value)); }

void ResultsLog::WriteHeader(const std::string& candidateName, int birthYear,
                             const TestInfo& testInfo, const std::tm& localStart) {
  WriteLine(std::string(60, '-'));
  WriteText(candidateName + "   ");
  WriteNumberLine(birthYear);
  WriteLine(testInfo.name);
  WriteLine(testInfo.description);
  WriteLine(FormatLongDateTime(localStart));
  WriteLine("----");
}

void ResultsLog::WriteAnswerRecord(int number, const std::string& questionText,
                                   const std::string& answerText, int accuracy,
                                   int64_t elapsedSeconds) {
  WriteNumber(number);
  WriteText(" : ");
  WriteLine(questionText);
  WriteText(answerText);
  WriteText(" = ");
  WriteNumber(accuracy);
  WriteText("%  ");
  WriteLine(FormatSpan(Ansi("%H часов %M минут %S секунд."), elapsedSeconds));
}

void ResultsLog::WriteSkippedRecord(int number, const std::string& questionText,
                                    int64_t elapsedSeconds) {
  WriteAnswerRecord(number, questionText, Ansi("Пропущено, время истекло."), 0, elapsedSeconds);
}

void ResultsLog::WriteTimeOutLine() { WriteLine(Ansi("Тест окончен, время истекло.")); }

void ResultsLog::WriteEndBlock(int resultPercent, int64_t testElapsedSeconds) {
  WriteLine("----");
  WriteNumber(resultPercent);
  WriteLine("%");
  WriteLine(FormatSpan(Ansi("Тест длился %H часов %M минут %S секунд."), testElapsedSeconds));
  Close();
}

}  // namespace vornet
