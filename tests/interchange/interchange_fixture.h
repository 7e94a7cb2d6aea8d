#pragma once
// A test document and a text file in a temporary folder, with readable views of the document
// for comparing whole import results.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "model/test_document.h"
#include "tests/support/new_document.h"
#include "tests/support/test_files.h"

namespace vornet::testing {

// The eleven lines of the import worked example (UTF-8; Ansi() gives the file's bytes).
inline constexpr char kWorkedExampleLines[] =
    "Тест\r\n"
    "Вопрос 1: Сколько будет 2*2?\r\n"
    "Ответ 1: 3\r\n"
    "Ответ 2: 4\r\n"
    "+2 \r\n"
    "\r\n"
    "Вопрос 2: Столицы?\r\n"
    "Ответ 1: Рим\r\n"
    "Ответ 2: Осло\r\n"
    "Ответ 3: Нил\r\n"
    "+1 2\r\n";

// A variant given in UTF-8 with its accuracy.
struct NewVariant {
  const char* text;
  int accuracy;
};

// Adds a question with its variants (UTF-8 texts stored as Windows-1251); returns its position.
int AddQuestionWithVariants(TestDocument& doc, const std::string& utf8Text,
                            std::initializer_list<NewVariant> variants = {});

// Lines of UTF-8 text, each ended by CR LF, as Windows-1251 bytes.
std::string CrLfLines(std::initializer_list<const char*> utf8Lines);

// The listed questions in listed order, one line each, in UTF-8:
//   "<slot>: <text> | <variant> <accuracy> | ..."
// followed by " [place=accuracy ...]" for places beyond answerCount that hold an accuracy.
std::string DescribeQuestions(const TestDocument& doc);

class InterchangeTest : public ::testing::Test {
 protected:
  InterchangeTest() : doc_(NewDocument()), path_(dir_.File("text.txt")) {
    doc_->interchangeSettings.interchangePath = path_;
  }

  // Writes `bytes` as the text file and imports it; expects success.
  void ImportBytes(const std::string& bytes);
  // Exports and returns the file's bytes; expects success.
  std::string ExportBytes();

  TempDir dir_;
  std::unique_ptr<TestDocument> doc_;
  std::string path_;
};

}  // namespace vornet::testing
