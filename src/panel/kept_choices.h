#pragma once
// The listener's choices kept in the settings file between runs: the panel's
// context-menu switches (group "listening") and where and how recordings are
// written (group "recording"). A value that is missing or makes no sense reads
// as its default. The receiver's own switches (ATT, FLT, HIST ...) are not kept:
// they start as the receiver gives them.

#include "platform/recording_status.h"

#include <filesystem>

class QObject;
class QSettings;

namespace zenka {

class Panel;
class SettingsFile;

struct ListeningChoices {
    bool plain_audio = false;
    bool cw_filter = false;
    bool neighbours = true; // the stations near the dial are heard unless turned off
    bool keep_listening = false;
    friend bool operator==(const ListeningChoices&, const ListeningChoices&) = default;
};

struct RecordingChoices {
    std::filesystem::path folder; // empty: the default, Zenka/ in the music folder
    RecordingFormat format = RecordingFormat::wav;
    friend bool operator==(const RecordingChoices&, const RecordingChoices&) = default;
};

ListeningChoices read_listening(QSettings& s);
RecordingChoices read_recording(QSettings& s);
void write_recording(QSettings& s, const RecordingChoices& c);

// Sets the panel's switches (and so the receiver) as the settings keep them.
void restore_listening_choices(Panel& panel, SettingsFile& settings);
// From now on every change of one of those switches is written to the settings
// file; a switch set otherwise (--plain-audio) is not kept until it is changed.
// Until `until` goes, which must go before `settings` does.
void keep_listening_choices(Panel& panel, SettingsFile& settings, const QObject& until);

} // namespace zenka
