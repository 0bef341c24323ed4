#include "panel_main.h"

#include "band/dispatcher.h"
#include "panel/band_window.h"
#include "panel/kept_choices.h"
#include "panel/panel.h"
#include "panel/settings_file.h"
#include "platform/clock.h"
#include "platform/private_folder.h"
#include "platform/settings_file.h"
#include "platform/sound/sdl_sound.h"
#include "platform/termination_signals.h"
#include "platform/work_folder.h"
#include "platform/xdg_folders.h"
#include "shell/receiver.h"
#include "shell/recording.h"
#include "shell/timer_recordings.h"
#include "user_input.h"
#include "world_options.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QObject>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zenka::app {
namespace {

namespace fs = std::filesystem;

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(sep, start), text.size());
        if (end > start) parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// --- Is there a display? -----------------------------------------------------
// Qt ends the process when its platform plugin cannot start, so the display is
// looked for before the application object is made.

// Where Qt looks for its platform plugins.
std::vector<fs::path> platform_plugin_folders() {
    std::vector<fs::path> folders;
    for (const std::string& dir : split(env("QT_QPA_PLATFORM_PLUGIN_PATH"), ':'))
        folders.emplace_back(dir);
    for (const std::string& dir : split(env("QT_PLUGIN_PATH"), ':'))
        folders.push_back(fs::path(dir) / "platforms");
    folders.push_back(fs::path(QLibraryInfo::path(QLibraryInfo::PluginsPath).toStdString()) /
                      "platforms");
    return folders;
}

bool plugin_installed(const std::string& platform) {
    const std::string file =
        platform == "wayland" ? "libqwayland-generic.so" : "libq" + platform + ".so";
    std::error_code ec;
    for (const fs::path& folder : platform_plugin_folders())
        if (fs::exists(folder / file, ec)) return true;
    return false;
}

// Asks the X server named by DISPLAY whether it takes connections, through the
// libxcb that Qt's own xcb plugin loads. When libxcb is not there, neither is a
// way to show the panel on X.
bool x_server_answers() {
    const std::string display = env("DISPLAY");
    if (display.empty()) return false;
    void* xcb = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (xcb == nullptr) return false;
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(::dlsym(xcb, "xcb_connect"));
    const auto has_error = reinterpret_cast<HasError>(::dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(::dlsym(xcb, "xcb_disconnect"));
    if (connect == nullptr || has_error == nullptr || disconnect == nullptr) return false;
    void* connection = connect(display.c_str(), nullptr);
    const bool ok = connection != nullptr && has_error(connection) == 0;
    if (connection != nullptr) disconnect(connection);
    return ok;
}

bool wayland_socket_exists() {
    const std::string name = env("WAYLAND_DISPLAY");
    if (name.empty()) return false;
    const fs::path socket =
        name.front() == '/' ? fs::path(name) : fs::path(env("XDG_RUNTIME_DIR")) / name;
    struct stat st {};
    return ::stat(socket.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

bool platform_usable(const std::string& platform) {
    if (!plugin_installed(platform)) return false;
    if (platform == "xcb") return x_server_answers();
    if (platform.starts_with("wayland")) return wayland_socket_exists();
    // offscreen, minimal, vnc, linuxfb, eglfs ...: no display server to reach.
    return true;
}

// True when the panel can be shown. When QT_QPA_PLATFORM is not set, it is set
// to the platform that will work, so that Qt does not try one that cannot.
bool find_display() {
    const std::string chosen = env("QT_QPA_PLATFORM");
    if (!chosen.empty()) {
        // Qt takes the first of a ';' list that starts; "name:options" gives options.
        for (const std::string& entry : split(chosen, ';'))
            if (platform_usable(entry.substr(0, entry.find(':')))) return true;
        return false;
    }
    const bool wayland = platform_usable("wayland");
    const bool x = platform_usable("xcb");
    if (wayland && x) return true; // Qt's own choice works either way
    if (wayland) return ::setenv("QT_QPA_PLATFORM", "wayland", 1) == 0;
    if (x) return ::setenv("QT_QPA_PLATFORM", "xcb", 1) == 0;
    return false;
}

} // namespace

void add_panel_options(CLI::App& app, PanelOptions& options) {
    add_at_option(&app, options.at, "Start the receiver's clock at TIME instead of now");
    app.add_flag("--debug-log", options.debug_log,
                 "Append diagnostic records (retunes, emissions, channel stops) to RX_LOG.TXT in "
                 "the current folder");
    app.add_flag("--plain-audio", options.plain_audio,
                 "Start with plain audio: the channel files and noise as they are, without the "
                 "receiver's shaping (also in the panel's context menu)");
    app.add_flag("--reset-settings", options.reset_settings,
                 "Start afresh: the band window's settings file is moved aside (kept, not "
                 "deleted), and where it went is said");
}

namespace {

int run_receiver(const char* argv0, const PanelOptions& options,
                 const TerminationSignals& termination) {
    if (!find_display()) {
        std::fputs("zenka: no display to show the panel on; the subcommands work without one: "
                   "zenka key --out FILE TEXT\n",
                   stderr);
        return 2;
    }

    const InstanceLock lock;
    if (lock.busy()) {
        // That one is the receiver, and its settings are left to it.
        std::fputs(options.reset_settings
                       ? "zenka: another receiver is already running; the settings are not reset\n"
                       : "zenka: another receiver is already running\n",
                   stderr);
        return 0;
    }
    if (!lock.error().empty())
        std::fprintf(stderr, "zenka: %s; not checking for another receiver\n",
                     printable(lock.error()).c_str());
    if (TerminationSignals::caught() != 0) return 1;

    // The settings file before Qt reads it: moved aside on request, or when it
    // is damaged or hostile.
    const SystemClock wall;
    const XdgEnvironment xdg = XdgEnvironment::from_process();
    const std::filesystem::path settings = settings_file(xdg);
    if (options.reset_settings) {
        const SettingsReset reset = reset_settings_file(settings, wall);
        std::fprintf(stderr, "zenka: %s\n", printable(reset.message).c_str());
        if (!reset.ok) return 1;
    } else if (const SettingsCheck check = check_settings_file(settings, wall);
               !check.message.empty()) {
        std::fprintf(stderr, "zenka: %s\n", printable(check.message).c_str());
    }

    int qt_argc = 1;
    std::string name = argv0 != nullptr ? argv0 : "zenka";
    char* qt_argv[] = {name.data(), nullptr};
    QApplication qt(qt_argc, qt_argv);

    std::unique_ptr<Clock> clock;
    if (const auto start = parse_utc(options.at); !options.at.empty() && start)
        clock = std::make_unique<RunningClock>(*start);
    else
        clock = std::make_unique<SystemClock>();

    const WorkFolder work;
    if (!work.ok())
        std::fprintf(stderr, "zenka: %s; the stations stay silent\n",
                     printable(work.error()).c_str());
    // The sound libraries' own complaints (no sound card, say) are diagnostics.
    sound::SdlSound sdl(sound::RecordingsFolder::locate(),
                        options.debug_log ? sound::SdlSound::LibraryMessages::shown
                                          : sound::SdlSound::LibraryMessages::hidden);
    // Without a working folder every channel file fails to open ("/dev/null" is
    // no folder), so the stations stay silent while the panel and noise work.
    DiagnosticLog log;
    log.set_enabled(options.debug_log);
    log.statistics();
    RandomSource random;
    Playout playout(sdl, *clock, random, work.ok() ? work.path() : fs::path("/dev/null"), &log);

    SettingsFile window_settings(QString::fromStdString(settings.string()));
    Panel panel;
    Receiver rx(*clock, random, playout, panel, [](Air& a) { band(a); });
    rx.set_neighbours(true);
    panel.attach(rx);
    // The context menu's switches as the listener left them; --plain-audio is for
    // this run, and kept only once the switch is changed.
    restore_listening_choices(panel, window_settings);
    if (options.plain_audio) panel.plain_audio_action()->setChecked(true);
    // The band window sets where the timers record, as it sets its own recordings.
    Recording recording(sdl, *clock, rx.settings);
    TimerRecordings timers(*clock, rx, recording, timers_file(xdg), {});
    BandWindow band_window(rx, *clock, window_settings, &panel,
                           {&recording, &timers, xdg, practice_file(xdg)});
    keep_listening_choices(panel, window_settings, band_window);
    band_window.listen(&sdl.output_tap());
    QObject::connect(&panel, &Panel::switched_off, &band_window, &BandWindow::switch_off);
    QObject::connect(&panel, &Panel::switched_off, &qt, &QCoreApplication::quit);

    // A signal that came at any time since start-up has left a byte in the pipe,
    // so the panel closes as soon as the event loop runs.
    std::unique_ptr<QSocketNotifier> signal_watch;
    if (termination.wake_fd() >= 0) {
        signal_watch =
            std::make_unique<QSocketNotifier>(termination.wake_fd(), QSocketNotifier::Read);
        QObject::connect(signal_watch.get(), &QSocketNotifier::activated, &panel,
                         [&panel, &termination] {
                             termination.drain();
                             panel.close();
                         });
    }

    panel.show();
    panel.power_on();
    band_window.restore();
    return qt.exec();
}

} // namespace

int run_panel(const char* argv0, const PanelOptions& options) {
    // SIGINT, SIGTERM and SIGHUP switch the receiver off like the OFF button, so
    // the working folder is removed; caught from the start (SDL is told to leave
    // the handlers alone).
    return run_to_end_or_signal([&](const TerminationSignals& termination) {
        return run_receiver(argv0, options, termination);
    });
}

} // namespace zenka::app
