#pragma once
// Recording what the listener hears, as the band window offers it: a new file
// named by the tuned frequency and the UTC time it starts, in a folder of the
// user's choice (by default Zenka/ in the music folder), made when needed. The
// recording runs across every retune until it is stopped; the sound output
// writes it (SoundOutput::start_recording).

#include "compose/settings.h"
#include "platform/clock.h"
#include "platform/recording_status.h"
#include "platform/sound_output.h"
#include "platform/xdg_folders.h"

#include <filesystem>
#include <string>

namespace zenka {

class Recording {
  public:
    // `settings` are the receiver's: the frequency a recording is named by.
    Recording(SoundOutput& out, const Clock& clock, const ReceiverSettings& settings);

    // Starts a recording in `folder`; empty, or why it cannot, in one line.
    std::string start(const std::filesystem::path& folder, RecordingFormat format);
    RecordingStatus stop();
    RecordingStatus status() const;

    // "Zenka 500.0 kHz 2026-12-09 0613Z.wav"
    static std::string file_name(int freq, UtcInstant start, RecordingFormat format);

    // Where recordings go unless the listener chose a folder: the first of the
    // music folder's Zenka/, ~/Music/Zenka and ~/Zenka that can be made and
    // written. `message` says, in one line, why an earlier one was passed over,
    // or that none can take recordings (then `folder` is empty).
    struct Place {
        std::filesystem::path folder;
        std::string message;
    };
    static Place default_folder(const XdgEnvironment& env);

    // Empty when `folder` is, or can be made, a folder this process can write
    // in; else why not ("Not a directory").
    static std::string unwritable(const std::filesystem::path& folder);

  private:
    SoundOutput& out_;
    const Clock& clock_;
    const ReceiverSettings& settings_;
};

} // namespace zenka
