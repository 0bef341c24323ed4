#pragma once
// Recording from the band window: Record/Stop (Ctrl+R), the time recorded and the
// file's size as it runs, the file's name and folder, the format and the folder
// chosen, and a line for what went wrong: a folder that cannot take recordings,
// a recording that could not start or that a full disk stopped. What is recorded
// is what the listener hears, across every retune (Recording, the sound output).

#include "panel/kept_choices.h"
#include "platform/xdg_folders.h"
#include "shell/recording.h"

#include <QWidget>

#include <cstdint>
#include <filesystem>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zenka {

class RecordingPane final : public QWidget {
    Q_OBJECT

  public:
    RecordingPane(Recording& recording, XdgEnvironment env, QWidget* parent = nullptr);

    // Starts a recording when none runs, else stops the one running.
    void toggle();
    // Stops and completes the recording running, if one runs.
    void stop();
    // Shows the recording as the sound output reports it; called on every tick.
    void refresh();

    RecordingChoices choices() const { return {chosen_, format()}; }
    // As the settings keep them; a folder that cannot take recordings is kept as
    // chosen, and said so.
    void set_choices(const RecordingChoices& c);
    // Takes the folder typed in the field: empty for the default. False, with the
    // message, when it cannot take recordings; the choice stays as it was.
    bool choose_folder(const QString& typed);
    RecordingFormat format() const;
    // Where recordings go now: the folder chosen, else the default (made when needed).
    std::filesystem::path folder();

    QPushButton* record_button() const { return record_; }
    QComboBox* format_box() const { return format_; }
    QLineEdit* folder_field() const { return folder_; }
    QString elapsed() const;
    QString size() const;
    QString file() const;
    QString message() const;

    // "0:07", "12:30", "1:02:03".
    static QString elapsed_text(double seconds);
    // "900 bytes", "288 kB", "14.4 MB", "2.31 GB" (powers of ten).
    static QString size_text(std::uint64_t bytes);

  signals:
    // The folder or the format changed.
    void choices_changed();

  private:
    void start();
    void pick_folder();
    void show_message(const QString& text);
    void show_folder();

    Recording& recording_;
    const XdgEnvironment env_;
    std::filesystem::path chosen_; // empty: the default
    bool running_ = false;         // as the last refresh saw it
    QPushButton* record_;
    QLabel* elapsed_;
    QLabel* size_;
    QLabel* file_;
    QComboBox* format_;
    QLineEdit* folder_;
    QLabel* message_;
};

} // namespace zenka
