#include "panel/kept_choices.h"

#include "panel/panel.h"
#include "panel/settings_file.h"

#include <QAction>
#include <QSettings>

namespace zenka {
namespace {

// QSettings writes a bool as "true" or "false"; anything else is no choice.
bool read_choice(const QSettings& s, const QString& key, bool fallback) {
    const QString v = s.value(key).toString();
    return v == QLatin1String("true") ? true : v == QLatin1String("false") ? false : fallback;
}

struct Switch {
    const char* key;
    bool ListeningChoices::*choice;
    QAction* (Panel::*action)() const;
};
constexpr Switch kSwitches[] = {
    {"plain_audio", &ListeningChoices::plain_audio, &Panel::plain_audio_action},
    {"cw_filter", &ListeningChoices::cw_filter, &Panel::cw_filter_action},
    {"neighbours", &ListeningChoices::neighbours, &Panel::neighbours_action},
    {"keep_listening", &ListeningChoices::keep_listening, &Panel::keep_listening_action},
};

} // namespace

ListeningChoices read_listening(QSettings& s) {
    ListeningChoices c;
    s.beginGroup(QStringLiteral("listening"));
    for (const Switch& w : kSwitches)
        c.*w.choice = read_choice(s, QString::fromLatin1(w.key), c.*w.choice);
    s.endGroup();
    return c;
}

RecordingChoices read_recording(QSettings& s) {
    RecordingChoices c;
    s.beginGroup(QStringLiteral("recording"));
    // Only a whole path names a folder; a relative one would depend on where
    // the receiver was started.
    const QString folder = s.value(QStringLiteral("folder")).toString();
    if (folder.size() <= 4096 && !folder.contains(QChar(0))) {
        const std::filesystem::path p(folder.toStdString());
        if (p.is_absolute()) c.folder = p.lexically_normal();
    }
    if (s.value(QStringLiteral("format")).toString() == QLatin1String("flac"))
        c.format = RecordingFormat::flac;
    s.endGroup();
    return c;
}

void write_recording(QSettings& s, const RecordingChoices& c) {
    s.beginGroup(QStringLiteral("recording"));
    s.setValue(QStringLiteral("folder"), QString::fromStdString(c.folder.string()));
    s.setValue(QStringLiteral("format"),
               c.format == RecordingFormat::flac ? QStringLiteral("flac") : QStringLiteral("wav"));
    s.endGroup();
}

void restore_listening_choices(Panel& panel, SettingsFile& settings) {
    const ListeningChoices c = read_listening(settings.settings());
    for (const Switch& w : kSwitches)
        (panel.*w.action)()->setChecked(c.*w.choice);
}

void keep_listening_choices(Panel& panel, SettingsFile& settings, const QObject& until) {
    for (const Switch& w : kSwitches)
        QObject::connect((panel.*w.action)(), &QAction::toggled, &until,
                         [&settings, key = QString::fromLatin1(w.key)](bool on) {
                             settings.settings().setValue(QStringLiteral("listening/") + key, on);
                             settings.sync();
                         });
}

} // namespace zenka
