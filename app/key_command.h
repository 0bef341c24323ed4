#pragma once
// `zenka key`: renders one text as Morse into a WAV file with chosen emission parameters.

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>

namespace zenka::app {

struct KeyOptions {
    int wpm = 20;
    int tone = 1000;
    int strength = 3;
    bool hand = false;
    int bug = 0;
    bool spark = false;
    bool f1 = false;
    bool inverted = false;
    bool kana = false;
    bool cut_zero = false;
    int spacing = 2;
    int sampling = 4;
    int filter = 2; // kHz: FLT1 or FLT2
    std::string att = "off";
    std::string freq; // kHz as the dial shows it; empty: no propagation
    std::string at;
    std::optional<std::uint32_t> seed;
    std::string out;
    bool play = false;
    std::string text;
};

CLI::App* add_key_command(CLI::App& app, KeyOptions& options);
int run_key(const KeyOptions& options);

} // namespace zenka::app
