// Wave playback through SDL's "disk" driver, which writes what the device plays into a file:
// the file is truncated each time a device opens, and silence is written while it stays open.

#include "platform/wave_player.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "tests/support/test_files.h"
#include "tests/tester_window/media_bytes.h"

namespace vornet {
namespace {

using namespace vornet::testing;
using namespace std::chrono_literals;

class WavePlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    output_ = dir_.File("played.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
  }
  void TearDown() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }

  std::string Wave(const std::string& name, int samples, int16_t value) {
    const std::string path = dir_.File(name);
    WriteFileBytes(path, WaveBytes(samples, value));
    return path;
  }
  // How many 16-bit samples of the played output equal `value`.
  int CountPlayed(int16_t value) const {
    const std::string bytes = ReadFileBytes(output_);
    int count = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
      const auto sample = static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) |
                                               (static_cast<uint8_t>(bytes[i + 1]) << 8));
      if (sample == value) ++count;
    }
    return count;
  }

  // Waits until `count` samples of `value` were played (the device plays in real time).
  bool WaitForPlayed(int16_t value, int count) const {
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (CountPlayed(value) < count && std::chrono::steady_clock::now() < end) {
      std::this_thread::sleep_for(20ms);
    }
    return CountPlayed(value) == count;
  }

  TempDir dir_;
  std::string output_;
};

TEST_F(WavePlayerTest, PlaysInTheBackgroundAndStops) {
  const std::string sound = Wave("a.wav", 2205, 1000);  // 0.1 s
  WavePlayer player;
  const auto before = std::chrono::steady_clock::now();
  player.Play(sound);
  EXPECT_LT(std::chrono::steady_clock::now() - before, 2s);  // returns without waiting
  EXPECT_TRUE(player.IsPlaying());
  // The player read the whole file: deleting it does not disturb playback.
  ::unlink(sound.c_str());
  EXPECT_TRUE(WaitForPlayed(1000, 2205)) << CountPlayed(1000);
  player.Stop();
  EXPECT_FALSE(player.IsPlaying());
}

TEST_F(WavePlayerTest, ANewSoundCutsTheOldOneOff) {
  const std::string longSound = Wave("long.wav", 22050 * 5, 1000);
  const std::string shortSound = Wave("short.wav", 2205, -2000);
  WavePlayer player;
  player.Play(longSound);
  std::this_thread::sleep_for(100ms);
  player.Play(shortSound);
  // The output file holds what the second device played: the short sound, and nothing of the
  // long one after the cut.
  EXPECT_TRUE(WaitForPlayed(-2000, 2205)) << CountPlayed(-2000);
  std::this_thread::sleep_for(200ms);
  player.Stop();
  EXPECT_EQ(CountPlayed(1000), 0);
}

TEST_F(WavePlayerTest, WhatCannotBePlayedIsSilence) {
  WriteFileBytes(dir_.File("noise.wav"), PatternBytes(500));
  WavePlayer player;
  player.Play(dir_.File("missing.wav"));
  EXPECT_FALSE(player.IsPlaying());
  player.Play(dir_.File("noise.wav"));
  EXPECT_FALSE(player.IsPlaying());
  player.Play("");
  EXPECT_FALSE(player.IsPlaying());
  player.Stop();  // stopping nothing is fine
}

TEST_F(WavePlayerTest, NoAudioDeviceIsSilenceNotAnError) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  const std::string sound = Wave("a.wav", 2205, 1000);
  WavePlayer player;
  player.Play(sound);
  EXPECT_FALSE(player.IsPlaying());
  player.Play(sound);  // asked again: still nothing, still no error
  player.Stop();
}

}  // namespace
}  // namespace vornet
