#pragma once
// An empty test as the creator holds it after start-up, on the heap (the tables are large).

#include <memory>

#include "model/test_document.h"

namespace vornet::testing {

inline std::unique_ptr<TestDocument> NewDocument() {
  auto doc = std::make_unique<TestDocument>();
  ResetTest(*doc);
  return doc;
}

}  // namespace vornet::testing
