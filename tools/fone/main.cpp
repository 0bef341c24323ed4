// zenka_make_fone OUTDIR: synthesises the receiver's recorded sounds into OUTDIR.

#include "fone_set.h"
#include "wav_file.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zenka_make_fone OUTDIR\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        for (const zenka::fone::FoneFile& f : zenka::fone::fone_files())
            zenka::fone::write_sound(folder / f.name, f.make(), f.container);
    } catch (const std::exception& e) {
        std::cerr << "zenka_make_fone: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
