#pragma once
// Plays wave files in the background over SDL2 audio. A new sound cuts the one playing off;
// Stop silences it. The file is read whole when playback starts, so it may be deleted at once.
// Without an audio device, or with a file that is no wave, playback silently does nothing: a
// missing sound is never an error for the programs.

#include <cstdint>
#include <string>

namespace vornet {

class WavePlayer {
 public:
  WavePlayer();
  virtual ~WavePlayer();
  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;

  // Starts playing the wave file at `path` (system path encoding) once, and returns at once.
  virtual void Play(const std::string& path);
  // Stops the sound being played, if any.
  virtual void Stop();
  // True from a Play that started a sound until Stop or the next Play.
  bool IsPlaying() const { return device_ != 0; }

 private:
  bool AudioReady();

  enum class Audio { Unknown, Ready, Unavailable };
  Audio audio_ = Audio::Unknown;
  uint32_t device_ = 0;
};

}  // namespace vornet
