#pragma once
// The recordings of the receiver's "fone" folder: file name, container, and the maker.

#include "sound.h"
#include "wav_file.h"

#include <span>

namespace zenka::fone {

struct FoneFile {
    const char* name;
    Container container;
    Sound (*make)();
};

std::span<const FoneFile> fone_files();

} // namespace zenka::fone
