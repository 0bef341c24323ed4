#pragma once
// The band window: a second window beside the front panel that says what is heard
// and what is on the air. At the top the frequency, S-meter, a field to type a
// frequency and every switch in words; below, the panes "Now hearing", "On the air"
// and "Coming up". A thin view over the Receiver (a ReceiverListener): it never
// composes or plays by itself, and what it changes goes through the receiver as the
// panel's buttons do. It remembers in the settings file whether it was open, where,
// and how its panes were laid out; it never covers the panel.

#include "panel/band_window_state.h"
#include "platform/clock.h"
#include "platform/xdg_folders.h"
#include "shell/query_worker.h"
#include "shell/receiver.h"
#include "shell/receiver_listener.h"

#include <QTimer>

#include <QWidget>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;

namespace zenka {

class BookmarksPane;
class ComingUpPane;
class CopyPane;
class DirectoryPane;
class NowHearingPane;
class OnAirPane;
class ReceiverStrip;
class Recording;
class RecordingPane;
class ScopePane;
class SettingsFile;
class TimerPane;
class TimerRecordings;

// What the window takes beyond the receiver; they must outlive the window. Without a
// recording there is no recording pane, without timers no timer pane; the copy
// practice is logged in `practice_log` (nowhere when empty).
struct BandWindowServices {
    Recording* recording = nullptr;
    TimerRecordings* timers = nullptr;
    XdgEnvironment env; // where the music folder is
    std::filesystem::path practice_log;
};

namespace sound {
class OutputTap;
}

class BandWindow final : public QWidget, public ReceiverListener {
    Q_OBJECT

  public:
    static constexpr const char* kTitle = "Zenka band window";
    // Time left and the text as keyed move on this often.
    static constexpr int kTickMs = 100;
    static constexpr QSize kDefaultSize{1060, 940};
    // The least height a pane is made: the window fits a screen of 768 lines.
    static constexpr int kPaneMinimum = 96;
    // And the least width of each of its two columns.
    static constexpr int kColumnMinimum = 340;

    // `panel` is the window it keeps clear of; its context menu and keys get the
    // switch that opens and closes this one.
    BandWindow(Receiver& rx, const Clock& clock, SettingsFile& settings, QWidget* panel,
               const BandWindowServices& services = {});
    ~BandWindow() override;
    BandWindow(const BandWindow&) = delete;
    BandWindow& operator=(const BandWindow&) = delete;

    // "Band window" (checkable, Ctrl+B or F2): open or close this window.
    QAction* toggle_action() const { return toggle_; }

    // As the user left it: open at the first start, beside the panel, without taking
    // the keyboard from it.
    void restore();
    // Opens (and comes to the front) or closes, and remembers which.
    void set_open(bool open);
    // Writes the state to the settings file.
    void save();
    // The receiver is switched off: the state is stored as it is and the window goes.
    void switch_off();

    // ReceiverListener.
    void retuned(const Composition& composed, const PlayReport& played) override;
    void switches_changed() override;

    // Moves time left, the text as keyed and the minute of the lists on to the clock.
    void tick();

    ReceiverStrip* strip() const { return strip_; }
    NowHearingPane* hearing() const { return hearing_; }
    OnAirPane* on_air() const { return on_air_; }
    ComingUpPane* coming_up() const { return coming_; }
    CopyPane* copy() const { return copy_; }
    BookmarksPane* bookmarks() const { return bookmarks_; }
    DirectoryPane* directory() const { return directory_; }
    // Now hearing, On the air and Coming up, one over the other.
    QSplitter* panes() const { return panes_; }
    // Beside them the tools; under both the band scope.
    QSplitter* columns() const { return columns_; }
    QSplitter* side() const { return side_; }
    // Bookmarks, Stations, Copy practice and Timer recordings, a tab each.
    QTabWidget* tools() const { return tools_; }
    RecordingPane* recording() const { return recording_; } // null without a recording
    TimerPane* timers() const { return timers_; }           // null without timers
    // The thread the lists are worked out on.
    QueryWorker& queries() const { return *worker_; }
    ScopePane* band_scope() const { return scope_; }
    // The pane "Band scope" shown or hidden (Ctrl+Shift+P), and remembered.
    void set_band_scope_shown(bool shown);
    // The sound output's tap, for the audio waterfall.
    void listen(sound::OutputTap* tap);
    // The list of the window's keys, as the help shows it.
    QString keys_help() const;
    // The window's line of news (a settings file that could not be read, say).
    QString news() const;
    BandWindowState state() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void add_key(const char* name, const QString& what, const QList<QKeySequence>& keys,
                 const std::function<void()>& act);
    void show_keys();
    // Asks for the band at `now` when the minute or the switches have changed since the
    // band "On the air" shows (or is being worked out) was asked for.
    void refresh_on_air(UtcInstant now);
    void show_coming_up(UtcInstant now);
    void apply(const BandWindowState& st);
    void place();

    Receiver& rx_;
    const Clock& clock_;
    SettingsFile& settings_;
    QWidget* panel_;
    ReceiverStrip* strip_;
    NowHearingPane* hearing_;
    OnAirPane* on_air_;
    ComingUpPane* coming_;
    CopyPane* copy_;
    BookmarksPane* bookmarks_;
    DirectoryPane* directory_;
    ScopePane* scope_;
    QGroupBox* scope_box_;
    QSplitter* panes_;
    QSplitter* columns_; // the lists and the tools
    QSplitter* side_;    // those over the band scope
    QTabWidget* tools_;
    RecordingPane* recording_ = nullptr;
    TimerPane* timers_ = nullptr;
    QLabel* news_;
    QAction* toggle_;
    QDialog* keys_ = nullptr;
    QTimer tick_;
    QTimer save_soon_; // a move or resize is stored once it has settled
    UtcInstant retuned_at_{};
    // What the band of "On the air" was last asked for: a minute and the switches it is
    // composed with. An answer is shown only if it is for the last question asked.
    struct BandAsked {
        std::chrono::sys_time<std::chrono::minutes> minute;
        ReceiverSettings switches;
        friend bool operator==(const BandAsked&, const BandAsked&) = default;
    };
    std::optional<BandAsked> band_asked_;
    std::uint64_t band_asks_ = 0;
    std::optional<QRect> place_; // the frame it was last seen at
    int meter_ = 0;              // the S-meter as the last retune left it
    int coming_freq_ = -1;       // the frequency "Coming up" was last asked for
    bool open_ = true;
    bool off_ = false;
    // The queries of "On the air" and "Coming up", off this thread; last, so that it stops and joins before
    // anything its answers reach goes.
    std::unique_ptr<QueryWorker> worker_ = std::make_unique<QueryWorker>();
};

} // namespace zenka
