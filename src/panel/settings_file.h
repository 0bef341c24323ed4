#pragma once
// The program's settings file, $XDG_CONFIG_HOME/zenka/zenka.conf (~/.config/zenka when
// XDG_CONFIG_HOME is not set), in the INI format of QSettings. Qt writes it to a
// temporary file beside it and renames that over it, so a write cut short leaves the
// old file whole. A file that cannot be read as INI is kept aside under a new name
// and a fresh one is started; what happened is told to the user in one line.

#include <QSettings>
#include <QString>

#include <memory>

namespace zenka {

class SettingsFile {
  public:
    // Where the settings file is, as the environment says now.
    static QString default_path();

    explicit SettingsFile(const QString& path = default_path());
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    QSettings& settings() { return *settings_; }
    const QString& path() const { return path_; }
    // Writes what changed. False, with problem() saying why, when it cannot be written.
    bool sync();
    // What went wrong with the file, in one line for the user; empty when nothing did.
    const QString& problem() const { return problem_; }

  private:
    void open();

    QString path_;
    std::unique_ptr<QSettings> settings_;
    QString problem_;
};

} // namespace zenka
