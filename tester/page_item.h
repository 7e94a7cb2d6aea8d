#pragma once
// One item of the tester's page, as the run fills it and the window draws it.

#include <cstdint>
#include <memory>
#include <string>

#include "model/test_document.h"
#include "tester/run_services.h"

namespace vornet {

// One item of the page: item 0 is the question, items 1..16 the answer slots 0..15.
struct PageItem {
  std::string text;  // Windows-1251 bytes
  bool hasPicture = false;
  std::shared_ptr<DecodedPicture> picture;  // set exactly when hasPicture
  // Path of the item's staged sound file in the folder where it was staged; empty for none.
  std::string soundFile;
  uint8_t accuracy = 0;  // answer items only, 0..100
  // Client y coordinates of the item's text, written and read by the window.
  int16_t bandTop = 0;
  int16_t bandBottom = 0;
};

constexpr int kPageItemCount = kMaxAnswers + 1;

// Empties the item's text, picture, sound name and accuracy; its hit band stays.
inline void ClearPageContent(PageItem& item) {
  item.text.clear();
  item.hasPicture = false;
  item.picture.reset();
  item.soundFile.clear();
  item.accuracy = 0;
}

}  // namespace vornet
