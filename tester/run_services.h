#pragma once
// What the test-run engine asks of the world outside it: the clock, the random generator, the
// wave player, the bitmap decoder and the window. The tester window installs its own services;
// tests replace them so that runs are deterministic. No window types cross this interface.

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

namespace vornet {

// A picture decoded by the window's bitmap loader. The engine only needs its size; the window
// keeps whatever it draws from behind this interface.
class DecodedPicture {
 public:
  virtual ~DecodedPicture() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

class RunServices {
 public:
  virtual ~RunServices() = default;

  // Calendar time in whole seconds. Default: time(nullptr).
  virtual int64_t Now();
  // The local broken-down time of a calendar time, for the report's start line.
  // Default: localtime_r.
  virtual std::tm LocalTime(int64_t calendarTime);
  // The generator: Seed is called with the current time before every shuffle, then Random gives
  // the numbers that are taken modulo n. Defaults: srand and rand.
  virtual void Seed(unsigned seed);
  virtual int Random();

  // Wave player: stops the sound being played, if any (the engine deletes the files itself).
  virtual void StopSound() = 0;
  // Bitmap decoder: the picture in the Windows bitmap file at `path`, or null when the file does
  // not decode. The file is deleted as soon as this returns, so the result must not refer to it.
  virtual std::shared_ptr<DecodedPicture> DecodePicture(const std::string& path) = 0;

  // The page's content changed: lay it out again from the top and draw it.
  virtual void RequestRelayout() = 0;
  // Draw the page again now (the time bars move every second).
  virtual void RequestRedraw() = 0;
  // The one-second run timer (id 1); each tick must call TimerTick.
  virtual void StartTimer() = 0;
  virtual void StopTimer() = 0;
  // The run was emptied: the window forgets its hover item and scroll position.
  virtual void RunWasReset() {}
  // Shows the result message (caption "Результат", information icon, OK) and returns when it is
  // dismissed. `textUtf8` is the whole message, its two lines separated by "\r\n".
  virtual void ShowResultMessage(const std::string& textUtf8) = 0;
  // The results log cannot be opened. The program shows "Нет доступа к файлу результатов"
  // (caption "Ошибка", stop icon) and ends with exit code 0. Should this return (as in tests),
  // the run is not started.
  virtual void ResultsLogUnavailable() = 0;
};

}  // namespace vornet
