#pragma once
// A sound output that plays nothing and writes down every call, from any thread.

#include "platform/sound_output.h"

#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace zenka::test {

class CallLogOutput final : public SoundOutput {
  public:
    int device_count() const override { return 1; }
    void open_channel(int k, const std::filesystem::path& file) override {
        note("open_channel " + std::to_string(k) + " " + file.filename().string());
    }
    void close_channel(int k) override { note("close_channel " + std::to_string(k)); }
    void loop_carrier(const std::filesystem::path& file) override {
        note("loop_carrier " + file.filename().string());
    }
    void stop_carrier() override { note("stop_carrier"); }
    void play_recording(std::string_view name) override {
        note("play_recording " + std::string(name));
    }
    void close_recording(std::string_view name) override {
        note("close_recording " + std::string(name));
    }
    void start_noise() override { note("start_noise"); }
    void stop_noise() override { note("stop_noise"); }

    std::vector<std::string> calls() const {
        const std::lock_guard lock(mutex_);
        return calls_;
    }
    // The calls since the last take.
    std::vector<std::string> take() {
        const std::lock_guard lock(mutex_);
        return std::exchange(calls_, {});
    }

  private:
    void note(std::string line) {
        const std::lock_guard lock(mutex_);
        calls_.push_back(std::move(line));
    }

    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

} // namespace zenka::test
