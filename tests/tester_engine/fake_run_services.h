#pragma once
// Run services for tests: a settable clock, a generator that is either the C library's or a
// script of numbers, a bitmap "decoder" that accepts files beginning with "BM", and a record of
// every request the engine made of the window.

#include <cstdlib>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "tester/run_services.h"
#include "tests/support/test_files.h"

namespace vornet::testing {

// A decoded picture that remembers the bytes it was decoded from.
class FakePicture : public DecodedPicture {
 public:
  explicit FakePicture(std::string bytes) : bytes_(std::move(bytes)) {}
  int Width() const override { return static_cast<int>(bytes_.size()); }
  int Height() const override { return 1; }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

class FakeRunServices : public RunServices {
 public:
  int64_t clock = 1052114707;  // Monday, May 05, 2003 06:05:07 UTC
  // When set, Random() takes its numbers from `script` (0 once it runs dry).
  bool scripted = false;
  std::deque<int> script;
  std::vector<unsigned> seeds;
  int randomCalls = 0;

  int stopSoundCalls = 0;
  std::vector<std::string> decodedPaths;
  int relayouts = 0;
  int redraws = 0;
  int timerStarts = 0;
  int timerStops = 0;
  bool timerRunning = false;
  int resets = 0;
  std::vector<std::string> messages;
  int logUnavailable = 0;

  int64_t Now() override { return clock; }
  void Seed(unsigned seed) override {
    seeds.push_back(seed);
    if (!scripted) RunServices::Seed(seed);
  }
  int Random() override {
    ++randomCalls;
    if (!scripted) return RunServices::Random();
    if (script.empty()) return 0;
    const int value = script.front();
    script.pop_front();
    return value;
  }
  void StopSound() override { ++stopSoundCalls; }
  std::shared_ptr<DecodedPicture> DecodePicture(const std::string& path) override {
    decodedPaths.push_back(path);
    std::string bytes = ReadFileBytes(path);
    if (bytes.compare(0, 2, "BM") != 0) return nullptr;
    return std::make_shared<FakePicture>(std::move(bytes));
  }
  void RequestRelayout() override { ++relayouts; }
  void RequestRedraw() override { ++redraws; }
  void StartTimer() override {
    ++timerStarts;
    timerRunning = true;
  }
  void StopTimer() override {
    ++timerStops;
    timerRunning = false;
  }
  void RunWasReset() override { ++resets; }
  void ShowResultMessage(const std::string& textUtf8) override { messages.push_back(textUtf8); }
  void ResultsLogUnavailable() override { ++logUnavailable; }
};

// Sets the local time zone for the lifetime of the object.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    const char* previous = std::getenv("TZ");
    hadPrevious_ = previous != nullptr;
    if (hadPrevious_) previous_ = previous;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (hadPrevious_) {
      setenv("TZ", previous_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  bool hadPrevious_ = false;
  std::string previous_;
};

}  // namespace vornet::testing
