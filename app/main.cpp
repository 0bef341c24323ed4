// zenka: a long- and medium-wave telegraphy receiver, and its tools. With no
// subcommand it is the receiver with its front panel.

#include "headless_commands.h"
#include "key_command.h"
#include "panel_main.h"
#include "user_input.h"
#include "world_options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::string_view, 6> kCommands = {"key",    "text", "render",
                                                      "survey", "next", "copy-check"};

// "unknown command 'tetx'; did you mean 'text'? (zenka --help)", when the arguments name no
// command; empty when they do.
std::string unknown_command(const std::vector<std::string>& args) {
    const std::string word = zenka::app::command_word(args);
    if (word.empty() || std::find(kCommands.begin(), kCommands.end(), word) != kCommands.end())
        return {};
    const std::string meant = zenka::app::nearest_word(word, kCommands);
    return "unknown command '" + zenka::app::printable(word) + "'" +
           (meant.empty() ? std::string() : "; did you mean '" + meant + "'?") + " (zenka --help)";
}

int run(int argc, char** argv) {
    CLI::App app{"Zenka: a 10 - 1000 kHz receiver of historical telegraphy"};
    app.set_version_flag("--version", "zenka 4.29");
    app.require_subcommand(0, 1);

    zenka::app::PanelOptions panel_options;
    zenka::app::add_panel_options(app, panel_options);
    zenka::app::KeyOptions key_options;
    CLI::App* key = zenka::app::add_key_command(app, key_options);
    zenka::app::TextOptions text_options;
    CLI::App* text = zenka::app::add_text_command(app, text_options);
    zenka::app::RenderOptions render_options;
    CLI::App* render = zenka::app::add_render_command(app, render_options);
    zenka::app::SurveyOptions survey_options;
    CLI::App* survey = zenka::app::add_survey_command(app, survey_options);
    zenka::app::NextOptions next_options;
    CLI::App* next = zenka::app::add_next_command(app, next_options);
    zenka::app::CopyCheckOptions copy_check_options;
    CLI::App* copy_check = zenka::app::add_copy_check_command(app, copy_check_options);

    const std::vector<std::string> args = zenka::app::switch_arguments(argc, argv);
    std::vector<const char*> words;
    for (const std::string& a : args)
        words.push_back(a.c_str());
    try {
        app.parse(static_cast<int>(words.size()), words.data());
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ExtrasError& e) {
        // Words left over at the top: most likely a command mistyped.
        const std::string unknown = unknown_command(args);
        std::fprintf(stderr, "zenka: %s\n",
                     (unknown.empty() ? zenka::app::printable(e.what()) : unknown).c_str());
        return 2;
    } catch (const CLI::ParseError& e) {
        // One line that names the option; 2 like any other usage error.
        std::fprintf(stderr, "zenka: %s\n", zenka::app::printable(e.what()).c_str());
        return 2;
    }

    if (key->parsed()) {
        if (key_options.out.empty() && !key_options.play) {
            std::fputs("zenka: --out is required (or --play)\n", stderr);
            return 2;
        }
        return zenka::app::run_key(key_options);
    }
    if (text->parsed()) return zenka::app::run_text(text_options);
    if (render->parsed()) return zenka::app::run_render(render_options);
    if (survey->parsed()) return zenka::app::run_survey(survey_options);
    if (next->parsed()) return zenka::app::run_next(next_options);
    if (copy_check->parsed()) return zenka::app::run_copy_check(copy_check_options);
    return zenka::app::run_panel(argv[0], panel_options);
}

// A report that did not reach its reader is a failure, not a success: standard
// output full, closed or gone.
bool output_delivered() {
    errno = 0;
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && !std::ferror(stdout) && std::cout.good()) return true;
    std::fprintf(stderr, "zenka: cannot write the output: %s\n",
                 std::strerror(error != 0 ? error : EIO));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const int status = run(argc, argv);
    if (!output_delivered()) return status != 0 ? status : 1;
    return status;
}
