#pragma once
// The headless front ends: one retune composed, rendered or surveyed without a panel.

#include "world_options.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

namespace zenka::app {

// `zenka text --freq KHZ [--json]`: the slots and sounds of one retune.
struct TextOptions {
    WorldOptions world;
    std::string freq;
    bool json = false;
};
CLI::App* add_text_command(CLI::App& app, TextOptions& options);
int run_text(const TextOptions& options);

// `zenka render --freq KHZ --seconds N --out FILE [--channel K]`: what the listener hears.
struct RenderOptions {
    WorldOptions world;
    std::string freq;
    double seconds = 60;
    std::string out;
    std::optional<int> channel;
    bool plain_audio = false;
};
CLI::App* add_render_command(CLI::App& app, RenderOptions& options);
int run_render(const RenderOptions& options);

// `zenka survey [--from KHZ] [--to KHZ] [--json]`: every frequency with something on it.
struct SurveyOptions {
    WorldOptions world;
    std::string from = "10.0";
    std::string to = "1000.4";
    bool json = false;
};
CLI::App* add_survey_command(CLI::App& app, SurveyOptions& options);
int run_survey(const SurveyOptions& options);

// `zenka copy-check --freq KHZ [--channel N] [--seconds S] COPYFILE [--json]`: a typed copy
// of one emission scored against the text it keyed.
struct CopyCheckOptions {
    WorldOptions world;
    std::string freq;
    int channel = 0;
    std::optional<double> seconds;
    std::string copy;
    bool json = false;
};
CLI::App* add_copy_check_command(CLI::App& app, CopyCheckOptions& options);
int run_copy_check(const CopyCheckOptions& options);

// `zenka next --freq KHZ | --band [--from KHZ] [--to KHZ] [--hours N] [--json]`: the minutes
// within the horizon at which a station comes on the air, and which.
struct NextOptions {
    WorldOptions world;
    std::string freq;
    bool band = false;
    std::string from, to;
    std::optional<double> hours;
    bool json = false;
};
CLI::App* add_next_command(CLI::App& app, NextOptions& options);
int run_next(const NextOptions& options);

} // namespace zenka::app
