#include "platform/sound/recordings_folder.h"

#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <system_error>

#ifndef ZENKA_DATA_FONE
#define ZENKA_DATA_FONE "/usr/local/share/zenka/fone"
#endif
// The installed data folder as seen from the installed executable's folder.
#ifndef ZENKA_RELATIVE_FONE
#define ZENKA_RELATIVE_FONE "../share/zenka/fone"
#endif

namespace zenka::sound {
namespace {

bool is_folder(const std::filesystem::path& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_directory(path, ignored);
}

std::filesystem::path exe_folder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : exe.parent_path();
}

} // namespace

std::filesystem::path RecordingsFolder::choose(const char* env,
                                               const std::filesystem::path& exe_folder,
                                               const std::filesystem::path& data_folder,
                                               const std::filesystem::path& relative_data) {
    if (env != nullptr && *env != '\0') return env;
    if (!exe_folder.empty() && is_folder(exe_folder / "fone")) return exe_folder / "fone";
    if (!exe_folder.empty() && !relative_data.empty() && is_folder(exe_folder / relative_data))
        return (exe_folder / relative_data).lexically_normal();
    if (is_folder(data_folder)) return data_folder;
    return "fone";
}

RecordingsFolder RecordingsFolder::locate() {
    return RecordingsFolder(
        choose(std::getenv("ZENKA_FONE"), exe_folder(), ZENKA_DATA_FONE, ZENKA_RELATIVE_FONE));
}

bool RecordingsFolder::valid_name(std::string_view name) {
    if (!name.starts_with(kPrefix)) return false;
    const std::string_view file = name.substr(kPrefix.size());
    return !file.empty() && file != "." && file != ".." &&
           file.find('/') == std::string_view::npos && file.find('\0') == std::string_view::npos;
}

UniqueFd RecordingsFolder::open(std::string_view name) const {
    if (!valid_name(name)) return UniqueFd();
    const std::string file(name.substr(kPrefix.size()));
    UniqueFd fd = open_regular_in(open_folder(folder_), file.c_str());
    struct stat st {};
    if (fd && (::fstat(fd.get(), &st) != 0 || st.st_size > kMaxBytes)) return UniqueFd();
    return fd;
}

} // namespace zenka::sound
