#include "platform/sound/null_sound.h"

namespace zenka::sound {

void NullSound::note(std::string line) {
    const std::lock_guard lock(mutex_);
    calls_.push_back(std::move(line));
}

std::vector<std::string> NullSound::calls() const {
    const std::lock_guard lock(mutex_);
    return calls_;
}

void NullSound::clear() {
    const std::lock_guard lock(mutex_);
    calls_.clear();
}

void NullSound::open_channel(int k, const std::filesystem::path& file, const ChannelSound& sound) {
    {
        const std::lock_guard lock(mutex_);
        if (k >= 0 && k < kChannels) sounds_[static_cast<std::size_t>(k)] = sound;
    }
    note("open_channel " + std::to_string(k) + ' ' + file.string());
}

void NullSound::open_neighbour(int i, const std::filesystem::path& file,
                               const NeighbourSound& sound) {
    {
        const std::lock_guard lock(mutex_);
        if (i >= 0 && i < kNeighbours) neighbours_[static_cast<std::size_t>(i)] = sound;
    }
    note("open_neighbour " + std::to_string(i) + ' ' + file.string());
}

void NullSound::close_neighbour(int i) {
    note("close_neighbour " + std::to_string(i));
}

NeighbourSound NullSound::neighbour_sound(int i) const {
    const std::lock_guard lock(mutex_);
    return i >= 0 && i < kNeighbours ? neighbours_[static_cast<std::size_t>(i)] : NeighbourSound{};
}

void NullSound::set_receiver(const ReceiverSound& receiver) {
    const std::lock_guard lock(mutex_);
    receiver_ = receiver;
}

void NullSound::set_plain_audio(bool plain) {
    const std::lock_guard lock(mutex_);
    plain_ = plain;
}

ChannelSound NullSound::channel_sound(int k) const {
    const std::lock_guard lock(mutex_);
    return k >= 0 && k < kChannels ? sounds_[static_cast<std::size_t>(k)] : ChannelSound{};
}

ReceiverSound NullSound::receiver() const {
    const std::lock_guard lock(mutex_);
    return receiver_;
}

bool NullSound::plain() const {
    const std::lock_guard lock(mutex_);
    return plain_;
}

void NullSound::close_channel(int k) {
    note("close_channel " + std::to_string(k));
}

void NullSound::loop_carrier(const std::filesystem::path& file) {
    note("loop_carrier " + file.string());
}

void NullSound::stop_carrier() {
    note("stop_carrier");
}

void NullSound::play_recording(std::string_view name) {
    note("play_recording " + std::string(name));
}

void NullSound::close_recording(std::string_view name) {
    note("close_recording " + std::string(name));
}

void NullSound::start_noise() {
    note("start_noise");
}

void NullSound::stop_noise() {
    note("stop_noise");
}

std::string NullSound::start_recording(const std::filesystem::path& file, RecordingFormat format) {
    {
        const std::lock_guard lock(mutex_);
        if (recording_.recording)
            return "a recording already runs into " + recording_.file.string();
        recording_ = RecordingStatus{};
        recording_.recording = true;
        recording_.file = file;
    }
    note("start_recording " + file.string() + (format == RecordingFormat::flac ? " flac" : " wav"));
    return {};
}

RecordingStatus NullSound::stop_recording() {
    note("stop_recording");
    const std::lock_guard lock(mutex_);
    recording_.recording = false;
    return recording_;
}

RecordingStatus NullSound::recording() const {
    const std::lock_guard lock(mutex_);
    return recording_;
}

void NullSound::end_recording(const std::string& message) {
    const std::lock_guard lock(mutex_);
    recording_.recording = false;
    recording_.message = message;
}

} // namespace zenka::sound
