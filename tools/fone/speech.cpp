#include "speech.h"

#include <espeak-ng/speak_lib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace zenka::fone {
namespace {

Signal* g_collected = nullptr; // the synthesis callback has no user pointer of its own

int collect(short* samples, int count, espeak_EVENT*) {
    if (samples != nullptr && g_collected != nullptr)
        for (int i = 0; i < count; ++i)
            g_collected->push_back(samples[i] / 32768.0);
    return 0; // continue
}

std::runtime_error no_data(const std::string& why) {
    const char* path = nullptr;
    espeak_Info(&path);
    return std::runtime_error("eSpeak NG " + why + " (voice data looked for in " +
                              (path != nullptr ? path : "?") +
                              "); install espeak-ng-data or set ESPEAK_DATA_PATH");
}

// Initialises on construction and releases eSpeak NG however synthesis ends.
class Session {
  public:
    Session() {
        rate_ = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        const char* path = nullptr;
        espeak_Info(&path);
        if (rate_ <= 0 || path == nullptr ||
            !std::filesystem::exists(std::string(path) + "/phontab")) {
            const std::runtime_error error = no_data("could not start");
            espeak_Terminate(); // the destructor will not run
            throw error;
        }
    }
    ~Session() { espeak_Terminate(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    int rate() const { return rate_; }

  private:
    int rate_ = 0;
};

} // namespace

Sound speak(std::string_view text, int words_per_minute) {
    Session session;
    if (espeak_SetVoiceByName("en") != EE_OK) throw no_data("has no English voice");
    espeak_SetParameter(espeakRATE, words_per_minute, 0);

    Sound sound{session.rate(), {}};
    g_collected = &sound.samples;
    espeak_SetSynthCallback(collect);
    const std::string z(text);
    const espeak_ERROR result = espeak_Synth(z.c_str(), z.size() + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, nullptr);
    g_collected = nullptr;
    if (result != EE_OK || sound.samples.empty()) throw no_data("produced no speech");
    return sound;
}

} // namespace zenka::fone
