#include "platform/wave_player.h"

#include <SDL.h>

namespace vornet {

WavePlayer::WavePlayer() = default;

WavePlayer::~WavePlayer() {
  Stop();
  if (audio_ == Audio::Ready) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Audio starts on the first sound; a machine without any is asked only once.
bool WavePlayer::AudioReady() {
  if (audio_ == Audio::Unknown) {
    // The programs handle their own signals; SDL must not take them over.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    audio_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 ? Audio::Ready : Audio::Unavailable;
  }
  return audio_ == Audio::Ready;
}

void WavePlayer::Play(const std::string& path) {
  Stop();
  if (path.empty() || !AudioReady()) return;
  SDL_AudioSpec spec;
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(path.c_str(), &spec, &samples, &length) == nullptr) return;
  // Queued playback: no callback. SDL converts to whatever the device wants.
  spec.callback = nullptr;
  spec.userdata = nullptr;
  device_ = SDL_OpenAudioDevice(nullptr, 0, &spec, nullptr, 0);
  if (device_ != 0 && SDL_QueueAudio(device_, samples, length) == 0) {
    SDL_PauseAudioDevice(device_, 0);
  } else {
    Stop();
  }
  SDL_FreeWAV(samples);
}

void WavePlayer::Stop() {
  if (device_ == 0) return;
  SDL_ClearQueuedAudio(device_);
  SDL_CloseAudioDevice(device_);
  device_ = 0;
}

}  // namespace vornet
