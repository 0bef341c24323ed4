#include "platform/sound/sdl_sound.h"

#include "platform/sound/mix_levels.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace zenka::sound {

using namespace std::chrono_literals;

namespace {

void no_log(void*, int, SDL_LogPriority, const char*) {}

// Standard error goes to /dev/null for this object's lifetime when `quiet`:
// the sound libraries below SDL (ALSA above all) print straight to it, with no
// handler that SDL lets us set. Only the opening and closing of the device are
// wrapped, at start-up and at the end, when no other thread has anything to say.
class QuietStderr {
  public:
    explicit QuietStderr(bool quiet) {
        if (!quiet) return;
        std::fflush(stderr);
        saved_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        if (saved_ < 0) return;
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null < 0 || ::dup2(null, STDERR_FILENO) < 0) {
            ::close(saved_);
            saved_ = -1;
        }
        if (null >= 0) ::close(null);
    }
    ~QuietStderr() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

  private:
    int saved_ = -1;
};

} // namespace

SdlSound::SdlSound(RecordingsFolder folder, LibraryMessages messages) : messages_(messages) {
    const bool quiet = messages_ == LibraryMessages::hidden;
    if (quiet) SDL_LogSetOutputFunction(&no_log, nullptr);
    const QuietStderr hush(quiet);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    audio_started_ = true;

    // The workers exist before the device starts calling back and before any
    // control call can wake them.
    mixer_ = std::make_unique<Mixer>(
        std::move(folder), Mixer::Wake{[this] { feeder_->wake(); }, [this] { loader_->wake(); }});
    feeder_ = std::make_unique<Worker>([m = mixer_.get()] { m->feed(); }, 5ms);
    loader_ = std::make_unique<Worker>([m = mixer_.get()] { m->load(); }, 100ms);

    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_F32SYS;
    want.channels = 1;
    want.samples = kPeriod;
    want.callback = &SdlSound::callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the hardware takes, and the
    // callback always gets 48 kHz mono float.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) {
        loader_.reset();
        feeder_.reset();
        mixer_.reset();
        return;
    }
    devices_ = std::max(1, SDL_GetNumAudioDevices(0));
    SDL_PauseAudioDevice(device_, 0);
}

SdlSound::~SdlSound() {
    const QuietStderr hush(messages_ == LibraryMessages::hidden);
    if (device_ != 0) SDL_CloseAudioDevice(device_); // no callback runs after this
    loader_.reset();
    feeder_.reset();
    mixer_.reset();
    if (audio_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSound::callback(void* self, std::uint8_t* stream, int bytes) {
    const auto samples = static_cast<std::size_t>(std::max(bytes, 0)) / sizeof(float);
    const std::span<float> out(reinterpret_cast<float*>(stream), samples);
    auto* sound = static_cast<SdlSound*>(self);
    sound->mixer_->mix(out);
    sound->recorder_.tap(out);
    sound->tap_.feed(out);
}

std::string SdlSound::start_recording(const std::filesystem::path& file, RecordingFormat format) {
    if (!mixer_) return "there is no sound device to record from";
    return recorder_.start(file, format);
}

void SdlSound::open_channel(int k, const std::filesystem::path& file, const ChannelSound& sound) {
    if (mixer_) mixer_->open_channel(k, file, sound);
}
void SdlSound::close_channel(int k) {
    if (mixer_) mixer_->close_channel(k);
}
void SdlSound::open_neighbour(int i, const std::filesystem::path& file,
                              const NeighbourSound& sound) {
    if (mixer_) mixer_->open_neighbour(i, file, sound);
}
void SdlSound::close_neighbour(int i) {
    if (mixer_) mixer_->close_neighbour(i);
}
void SdlSound::loop_carrier(const std::filesystem::path& file) {
    if (mixer_) mixer_->loop_carrier(file);
}
void SdlSound::stop_carrier() {
    if (mixer_) mixer_->stop_carrier();
}
void SdlSound::play_recording(std::string_view name) {
    if (mixer_) mixer_->play_recording(name);
}
void SdlSound::close_recording(std::string_view name) {
    if (mixer_) mixer_->close_recording(name);
}
void SdlSound::start_noise() {
    if (mixer_) mixer_->start_noise();
}
void SdlSound::stop_noise() {
    if (mixer_) mixer_->stop_noise();
}
void SdlSound::set_receiver(const ReceiverSound& receiver) {
    if (mixer_) mixer_->set_receiver(receiver);
}
void SdlSound::set_plain_audio(bool plain) {
    if (mixer_) mixer_->set_plain(plain);
}

} // namespace zenka::sound
