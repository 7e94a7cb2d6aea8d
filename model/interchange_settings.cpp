#include "model/interchange_settings.h"

#include "platform/codepage.h"

namespace vornet {

InterchangeSettings DefaultInterchangeSettings() {
  InterchangeSettings settings;
  settings.exportDescriptionTemplate = "%T%N%D%N%N";
  settings.exportQuestionTemplate = Utf8ToCp1251("Вопрос %X: %T%N");
  settings.exportAnswerTemplate = Utf8ToCp1251("Ответ %X: %T%N");
  settings.exportRightAnswersTemplate = "+%1%N%N";
  settings.importQuestionTemplate = Utf8ToCp1251("%B=\"Вопрос\" %F=\":\" %S=\"2\" %TW");
  settings.importAnswerTemplate = Utf8ToCp1251("%B=\"Ответ\" %F=\":\" %S=\"2\" %TW");
  settings.importRightAnswersTemplate = "%B=\"+\" %1";
  return settings;
}

}  // namespace vornet
