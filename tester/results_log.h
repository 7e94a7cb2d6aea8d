#pragma once
// The results log "Results.txt": an append-only report of every test run, in Windows-1251 bytes,
// every line ended by a single carriage return. Each write goes straight to the file, so a run
// that ends abruptly keeps every record written so far. Nobody else may write the file while it
// is open.

#include <cstdint>
#include <ctime>
#include <string>

#include "model/test_document.h"
#include "platform/locked_file.h"

namespace vornet {

constexpr char kResultsLogName[] = "Results.txt";
// Message texts (UTF-8) that go with the log.
constexpr char kResultsLogNoAccessText[] = "Нет доступа к файлу результатов";
constexpr char kResultCaption[] = "Результат";

// "Тест завершен.\r\nВаш результат составил: 83%" (UTF-8).
std::string ResultMessageText(int resultPercent);

class ResultsLog {
 public:
  // Closes the log if it is open, then opens "Results.txt" in the working folder for appending,
  // creating it when missing. False when it cannot be opened.
  bool Open();
  bool IsOpen() const { return file_.IsOpen(); }
  void Close() { file_.Close(); }

  // The four writing operations; texts are bytes written as they are.
  void WriteText(const std::string& bytes);
  void WriteNumber(long long value);
  void WriteLine(const std::string& bytes);
  void WriteNumberLine(long long value);

  // The report header: the separator line, candidate and birth year, the test's name and
  // description, the start time in the long date form, and the short separator.
  // `candidateName` and the test texts are Windows-1251 bytes.
  void WriteHeader(const std::string& candidateName, int birthYear, const TestInfo& testInfo,
                   const std::tm& localStart);
  // A question answered with a variant: "n : question", "answer = accuracy%  duration".
  void WriteAnswerRecord(int number, const std::string& questionText, const std::string& answerText,
                         int accuracy, int64_t elapsedSeconds);
  // A question skipped when its own time ran out.
  void WriteSkippedRecord(int number, const std::string& questionText, int64_t elapsedSeconds);
  // The line that stands for the question on the page when the test time ran out.
  void WriteTimeOutLine();
  // The separator, the result in percent and the test's duration; then closes the log.
  void WriteEndBlock(int resultPercent, int64_t testElapsedSeconds);

 private:
  LockedFile file_;
};

}  // namespace vornet
