// Media that are not what their names say: a picture that does not decode is no picture, and a
// sound that is no wave file plays nothing. Neither is an error.

#include <gtest/gtest.h>

#include "platform/wave_player.h"
#include "tester/window_services.h"
#include "tests/support/test_files.h"

namespace vornet {
namespace {

using testing::TempDir;
using testing::WriteFileBytes;

TEST(WindowFaults, APictureThatDoesNotDecodeIsNoPicture) {
  TempDir dir;
  for (const char* bytes : {"", "BM", "BM\x10\x00\x00\x00garbage", "RIFF....WAVE", "\x89PNG"}) {
    WriteFileBytes(dir.File("0$q.bmp"), bytes);
    EXPECT_EQ(DecodeBitmapFile(dir.File("0$q.bmp")), nullptr) << bytes;
  }
  EXPECT_EQ(DecodeBitmapFile(dir.File("missing.bmp")), nullptr);
}

TEST(WindowFaults, ASoundThatIsNoWaveFilePlaysNothing) {
  TempDir dir;
  WavePlayer player;
  for (const char* bytes : {"", "RIFF", "RIFF\x24\x00\x00\x00WAVEfmt garbage", "BM not a sound"}) {
    WriteFileBytes(dir.File("1$q.wav"), bytes);
    player.Play(dir.File("1$q.wav"));
    EXPECT_FALSE(player.IsPlaying()) << bytes;
  }
  player.Play(dir.File("missing.wav"));
  EXPECT_FALSE(player.IsPlaying());
  player.Stop();
}

}  // namespace
}  // namespace vornet
