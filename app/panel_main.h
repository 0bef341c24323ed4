#pragma once
// `zenka` with no subcommand: the receiver with its front panel.

#include <CLI/CLI.hpp>

#include <string>

namespace zenka::app {

struct PanelOptions {
    std::string at;           // start the clock at this UTC time instead of now
    bool debug_log = false;   // append diagnostic records to RX_LOG.TXT in the current folder
    bool plain_audio = false; // start without the receiver's shaping of the sound
    bool reset_settings = false; // move the settings file aside and start afresh
};

// The panel's own options on the top-level command.
void add_panel_options(CLI::App& app, PanelOptions& options);

// Runs the receiver until it is switched off. Returns the exit status: 0 after
// OFF or the close box, and at once when another receiver is already running;
// 2 when there is no display to show the panel on, or for a bad option.
int run_panel(const char* argv0, const PanelOptions& options);

} // namespace zenka::app
