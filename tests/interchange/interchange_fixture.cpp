#include "tests/interchange/interchange_fixture.h"

#include "interchange/export_text.h"
#include "interchange/import_text.h"
#include "interchange/interchange_result.h"
#include "platform/codepage.h"

namespace vornet::testing {

int AddQuestionWithVariants(TestDocument& doc, const std::string& utf8Text,
                            std::initializer_list<NewVariant> variants) {
  const int position = AddQuestion(doc, Ansi(utf8Text), "", "");
  for (const NewVariant& variant : variants) {
    AddAnswer(doc, position, Ansi(variant.text), "", "", static_cast<uint8_t>(variant.accuracy));
  }
  return position;
}

std::string CrLfLines(std::initializer_list<const char*> utf8Lines) {
  std::string bytes;
  for (const char* line : utf8Lines) bytes += Ansi(line) + "\r\n";
  return bytes;
}

std::string DescribeQuestions(const TestDocument& doc) {
  std::string text;
  for (int p = 0; p < doc.questionCount; ++p) {
    const int slot = doc.questionOrder[p];
    const Question& question = doc.questions[slot];
    text += std::to_string(slot) + ": " + Cp1251ToUtf8(question.text);
    for (int j = 0; j < question.answerCount; ++j) {
      text += " | " + Cp1251ToUtf8(question.answers[j].text) + " " +
              std::to_string(question.answers[j].accuracy);
    }
    std::string unused;
    for (int j = question.answerCount; j < kMaxAnswers; ++j) {
      if (question.answers[j].accuracy != 0) {
        unused += (unused.empty() ? "" : " ") + std::to_string(j + 1) + "=" +
                  std::to_string(question.answers[j].accuracy);
      }
    }
    if (!unused.empty()) text += " [" + unused + "]";
    text += "\n";
  }
  return text;
}

void InterchangeTest::ImportBytes(const std::string& bytes) {
  WriteFileBytes(path_, bytes);
  ASSERT_EQ(ImportText(*doc_), kInterchangeDone);
}

std::string InterchangeTest::ExportBytes() {
  EXPECT_EQ(ExportText(*doc_), kInterchangeDone);
  return ReadFileBytes(path_);
}

}  // namespace vornet::testing
