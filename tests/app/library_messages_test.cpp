// The sound libraries under SDL keep their complaints to themselves: on a machine
// without a sound card, standard error holds the program's own line and nothing
// of ALSA's or SDL's.

#include "support/run_command.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace zenka {
namespace {

using test::Ran;
using test::run;

// Standard error alone of `args`, with SDL_AUDIODRIVER as given ("" = unset).
Ran stderr_of(const std::string& driver, const std::string& args) {
    const std::string env = driver.empty() ? "env -u SDL_AUDIODRIVER "
                                           : "env SDL_AUDIODRIVER=" + driver + " ";
    return run("sh -c " + test::quoted(env + test::zenka(args) + " 2>&1 >/dev/null"));
}

TEST(LibraryMessages, PlayingWithWhateverDeviceThereIsPrintsOnlyTheProgramsOwnLines) {
    test::TempFolder folder;
    // Unset: SDL tries every driver it has; "alsa": straight at ALSA, which
    // complains line by line when there is no card.
    for (const std::string driver : {"", "alsa"}) {
        const Ran r = stderr_of(driver, "key --play --seed 1 --at 2026-12-08T06:13:02Z --wpm 60 "
                                        "--out " + test::quoted((folder / "e.wav").string()) +
                                            " E");
        EXPECT_EQ(r.status, 0) << driver << ": " << r.out;
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);)
            EXPECT_TRUE(line.starts_with("zenka key: ")) << "driver '" << driver << "': " << line;
    }
}

} // namespace
} // namespace zenka
