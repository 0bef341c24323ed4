#include "platform/sound/recorder.h"

#include "platform/atomic_file.h"
#include "platform/rename_new.h"
#include "platform/sound/mix_levels.h"

#include <sndfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>

namespace zenka::sound {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Samples written at a time, each piece after the disk was reserved for it.
constexpr std::size_t kPiece = 8192;

struct Recorder::Take {
    AtomicFile file;
    std::array<short, kPiece> pcm{}; // the piece being written, as 16-bit samples
    SNDFILE* sound = nullptr;
    std::uint64_t reserved = 0; // bytes from the start the file system holds for it
    bool can_reserve = true;
};

namespace {
// What a sample may take in the file at most: 16-bit PCM, or FLAC, which
// falls back to it with a little framing that kSlack covers.
constexpr std::uint64_t kBytesPerSample = 2;

std::uint64_t size_of(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

// As libsndfile (clipping on) writes floats as 16-bit PCM, and so as `render`
// and the channel files have them: scaled to 32 bits, rounded to the nearest,
// clipped, and the top 16 bits kept. Done here for both formats, since
// libsndfile's FLAC writer rounds otherwise, so that a FLAC recording holds the
// very samples a WAV one does.
void to_pcm16(std::span<const float> in, short* out) {
    constexpr float kScale = 2147483648.0f; // 2^31
    for (const float v : in) {
        const float scaled = v * kScale;
        const long wide = scaled >= kScale    ? 2147483647L
                          : scaled <= -kScale ? -2147483648L
                                              : std::lrint(scaled);
        *out++ = static_cast<short>(wide >> 16);
    }
}

std::string seconds_text(std::uint64_t samples) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(samples) / kMixRate);
    return text;
}

} // namespace

Recorder::Recorder(Writer writer, std::size_t ring_samples)
    : writer_kind_(writer), ring_(ring_samples) {}

Recorder::~Recorder() {
    stop();
}

void Recorder::tap(std::span<const float> block) noexcept {
    // Paired with disarm(): once it has seen this thread outside, no block
    // that saw the recording armed is still being put into the ring.
    tapping_.store(true, std::memory_order_seq_cst);
    if (armed_.load(std::memory_order_seq_cst)) {
        const std::size_t kept = ring_.push(block);
        tapped_.fetch_add(kept, std::memory_order_relaxed);
        if (kept < block.size()) lost_.fetch_add(block.size() - kept, std::memory_order_relaxed);
    }
    tapping_.store(false, std::memory_order_seq_cst);
}

void Recorder::disarm() noexcept {
    armed_.store(false, std::memory_order_seq_cst);
    while (tapping_.load(std::memory_order_seq_cst))
        std::this_thread::yield();
}

std::string Recorder::start(const fs::path& file, RecordingFormat format) {
    const std::lock_guard control(control_);
    {
        const std::lock_guard lock(status_mutex_);
        if (status_.recording) return "a recording already runs into " + status_.file.string();
    }
    writer_.reset(); // the writer of a recording that stopped by itself
    const std::lock_guard lock(file_mutex_);
    ring_.drop(ring_.available());

    // The first free name now; the rename at the end takes the next one should
    // this one be taken meanwhile.
    fs::path name = file;
    const auto [base, first] = unnumbered(file);
    struct stat st {};
    for (int n = first + 1; ::lstat(name.c_str(), &st) == 0 && n < first + 1000; ++n)
        name = numbered(base, n);

    auto take = std::make_unique<Take>();
    if (!take->file.open(name)) return take->file.error();
    SF_INFO info{};
    info.samplerate = kMixRate;
    info.channels = 1;
    info.format = format == RecordingFormat::flac ? (SF_FORMAT_FLAC | SF_FORMAT_PCM_16)
                                                  : (SF_FORMAT_RF64 | SF_FORMAT_PCM_16);
    take->sound = sf_open_fd(take->file.fd(), SFM_WRITE, &info, SF_FALSE);
    if (take->sound == nullptr)
        return std::string("cannot write the file: ") + sf_strerror(nullptr);
    // A plain WAV file while it is small enough for one, RF64 beyond.
    if (format == RecordingFormat::wav)
        sf_command(take->sound, SFC_RF64_AUTO_DOWNGRADE, nullptr, SF_TRUE);
    take_ = std::move(take);
    if (!room_for(kPiece)) {
        sf_close(take_->sound);
        take_.reset(); // the temporary file goes
        return "the disk is full: no room for a recording in " + name.parent_path().string();
    }

    written_ = 0;
    tapped_.store(0, std::memory_order_relaxed);
    lost_.store(0, std::memory_order_relaxed);
    kept_.store(0, std::memory_order_relaxed);
    bytes_.store(size_of(take_->file.fd()), std::memory_order_relaxed);
    {
        const std::lock_guard status(status_mutex_);
        status_ = RecordingStatus{};
        status_.recording = true;
        status_.file = name;
    }
    armed_.store(true, std::memory_order_seq_cst);
    if (writer_kind_ == Writer::own_thread)
        writer_ = std::make_unique<Worker>([this] { drain(); }, 50ms);
    return {};
}

RecordingStatus Recorder::stop() {
    const std::lock_guard control(control_);
    disarm();
    writer_.reset();
    const std::lock_guard lock(file_mutex_);
    if (take_) finish_locked({});
    return status();
}

RecordingStatus Recorder::status() const {
    RecordingStatus s;
    {
        const std::lock_guard lock(status_mutex_);
        s = status_;
    }
    const std::uint64_t samples = s.recording ? tapped_.load(std::memory_order_relaxed)
                                              : kept_.load(std::memory_order_relaxed);
    s.seconds = static_cast<double>(samples) / kMixRate;
    s.bytes = bytes_.load(std::memory_order_relaxed);
    s.lost_seconds = static_cast<double>(lost_.load(std::memory_order_relaxed)) / kMixRate;
    return s;
}

void Recorder::drain() {
    const std::lock_guard lock(file_mutex_);
    if (take_) write_locked();
}

bool Recorder::room_for(std::size_t samples) {
    Take& t = *take_;
    const int fd = t.file.fd();
    const std::uint64_t size = size_of(fd);
    const std::uint64_t need = size + samples * kBytesPerSample + kSlack;
    if (need <= t.reserved) return true;
    if (t.can_reserve) {
        // Reserved beyond the end without changing the file's size, so that
        // neither a write nor the sync at the end can find the disk full.
        const std::uint64_t ahead = std::max(need, size + kAhead);
        for (const std::uint64_t length : {ahead, need}) {
            if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(length)) == 0) {
                t.reserved = length;
                return true;
            }
            if (errno != ENOSPC && errno != EDQUOT) break;
        }
        if (errno == ENOSPC || errno == EDQUOT) return false;
        t.can_reserve = false; // not on this file system: its free space is looked at
    }
    struct statvfs vfs {};
    if (::fstatvfs(fd, &vfs) != 0) return true; // the writes will tell
    const std::uint64_t free = static_cast<std::uint64_t>(vfs.f_bavail) * vfs.f_frsize;
    return free >= need - size;
}

void Recorder::write_locked() {
    Take& t = *take_;
    for (std::span<const float> ready = ring_.peek(); !ready.empty(); ready = ring_.peek()) {
        const std::size_t n = std::min(ready.size(), kPiece);
        if (!room_for(n)) {
            finish_locked("the disk is full");
            return;
        }
        to_pcm16(ready.first(n), t.pcm.data());
        const sf_count_t put = sf_write_short(t.sound, t.pcm.data(), static_cast<sf_count_t>(n));
        ring_.drop(n);
        if (put > 0) written_ += static_cast<std::uint64_t>(put);
        bytes_.store(size_of(t.file.fd()), std::memory_order_relaxed);
        if (put != static_cast<sf_count_t>(n)) {
            finish_locked(std::string("cannot write (") + sf_strerror(t.sound) + ")");
            return;
        }
    }
}

void Recorder::finish_locked(std::string why) {
    disarm();
    // A recording stopped by hand keeps all it heard; one stopped by the disk
    // keeps what was written.
    if (why.empty()) write_locked();
    if (!take_) return; // write_locked() found the disk full and finished
    Take& t = *take_;
    std::string failure;
    if (sf_close(t.sound) != 0 && why.empty()) failure = "cannot complete the file";
    t.sound = nullptr;
    // The reservation beyond the end goes back to the file system.
    if (t.can_reserve) ::ftruncate(t.file.fd(), static_cast<off_t>(size_of(t.file.fd())));
    const bool named = t.file.commit(AtomicFile::Replace::never);
    if (!named) failure += (failure.empty() ? "" : "; ") + t.file.error();
    const fs::path where = t.file.target();
    take_.reset();
    ring_.drop(ring_.available());

    struct stat st {};
    if (named && ::stat(where.c_str(), &st) == 0)
        bytes_.store(static_cast<std::uint64_t>(st.st_size), std::memory_order_relaxed);
    kept_.store(written_, std::memory_order_relaxed);
    const std::lock_guard lock(status_mutex_);
    status_.recording = false;
    status_.file = where;
    if (!why.empty()) {
        status_.message = why + ": the recording stopped after " + seconds_text(written_);
        if (named) status_.message += ", and " + where.filename().string() + " keeps it";
    }
    if (!failure.empty()) status_.message += (status_.message.empty() ? "" : "; ") + failure;
}

} // namespace zenka::sound
