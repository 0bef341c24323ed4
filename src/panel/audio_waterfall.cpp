#include "panel/audio_waterfall.h"

#include "panel/scale_label.h"
#include "platform/sound/output_tap.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

namespace zenka {
namespace {

// Dark blue through green and yellow to white, from kDarkDb up to full scale.
QRgb colour_of(float db) {
    struct Stop {
        double at;
        int r, g, b;
    };
    static constexpr Stop kStops[] = {{0.0, 0, 0, 40},
                                      {0.35, 0, 60, 170},
                                      {0.6, 40, 200, 120},
                                      {0.8, 250, 230, 60},
                                      {1.0, 255, 255, 255}};
    static const std::array<QRgb, 256> palette = [] {
        std::array<QRgb, 256> c{};
        for (std::size_t i = 0; i < c.size(); ++i) {
            const double v = static_cast<double>(i) / 255.0;
            std::size_t k = 1;
            while (k + 1 < std::size(kStops) && kStops[k].at < v)
                ++k;
            const Stop& a = kStops[k - 1];
            const Stop& b = kStops[k];
            const double f = (v - a.at) / (b.at - a.at);
            const auto mix = [f](int x, int y) { return static_cast<int>(x + f * (y - x)); };
            c[i] = qRgb(mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b));
        }
        return c;
    }();
    const float v =
        std::clamp((db - AudioWaterfall::kDarkDb) / -AudioWaterfall::kDarkDb, 0.0f, 1.0f);
    return palette[static_cast<std::size_t>(v * 255.0f)];
}

} // namespace

AudioWaterfall::AudioWaterfall(QWidget* parent)
    : QWidget(parent), samples_(sound::OutputTap::kRingSamples), row_(spectrum_.bins()),
      picture_(static_cast<int>(spectrum_.bins()), kRows, QImage::Format_RGB32), timer_(this) {
    setObjectName(QStringLiteral("audio_waterfall"));
    setAccessibleName(QStringLiteral("Audio waterfall"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    picture_.fill(colour_of(AudioSpectrum::kFloorDb));
    timer_.setInterval(kPullMs);
    connect(&timer_, &QTimer::timeout, this, &AudioWaterfall::pull);
    describe();
}

void AudioWaterfall::listen(sound::OutputTap* tap) {
    tap_ = tap;
    if (tap_ != nullptr && isVisible()) timer_.start();
    if (tap_ == nullptr) timer_.stop();
    describe();
}

void AudioWaterfall::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (tap_ != nullptr) timer_.start();
}

void AudioWaterfall::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer_.stop();
}

void AudioWaterfall::pull() {
    if (tap_ == nullptr) return;
    const std::size_t n = tap_->latest(samples_);
    if (n == 0) return;
    spectrum_.feed(std::span<const float>(samples_.data(), n));
    bool added = false;
    while (spectrum_.next_row(row_)) {
        add_row(row_);
        added = true;
    }
    if (!added) return;
    describe();
    update();
}

void AudioWaterfall::add_row(const std::vector<float>& row) {
    // Everything moves down a row; the new one goes in at the top.
    const auto line = static_cast<std::size_t>(picture_.bytesPerLine());
    uchar* bits = picture_.bits();
    std::memmove(bits + line, bits, line * static_cast<std::size_t>(kRows - 1));
    auto* top = reinterpret_cast<QRgb*>(bits);
    std::size_t loudest = 0;
    for (std::size_t b = 0; b < row.size(); ++b) {
        top[b] = colour_of(row[b]);
        if (row[b] > row[loudest]) loudest = b;
    }
    loudest_hz_ = static_cast<double>(loudest) * spectrum_.bin_hz();
    loudest_db_ = row.empty() ? AudioSpectrum::kFloorDb : row[loudest];
}

void AudioWaterfall::describe() {
    const QString about =
        tap_ == nullptr
            ? QStringLiteral("What is heard, 0 to 3 kHz: there is no sound output to show.")
        : loudest_db_ <= AudioSpectrum::kFloorDb
            ? QStringLiteral("What is heard, 0 to 3 kHz, the newest at the top: silence.")
            : QStringLiteral("What is heard, 0 to 3 kHz, the newest at the top. Loudest "
                             "now: %1 Hz at %2 dB.")
                  .arg(static_cast<int>(loudest_hz_))
                  .arg(static_cast<int>(loudest_db_));
    setAccessibleDescription(about);
}

void AudioWaterfall::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(8, 12, 16));
    const QRect area = rect().adjusted(0, kScaleHeight, 0, 0);
    p.drawImage(area, picture_);
    p.setPen(QColor(150, 160, 170));
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.8));
    p.setFont(small);
    const double per_hz =
        area.width() / (static_cast<double>(spectrum_.bins()) * spectrum_.bin_hz());
    for (int hz = 0; hz <= 3000; hz += 500) {
        const int x = area.left() + static_cast<int>(hz * per_hz);
        p.drawLine(x, kScaleHeight - 4, x, kScaleHeight - 1);
        if (hz % 1000 == 0)
            p.drawText(label_box(x, width(), kScaleHeight - 4), Qt::AlignCenter,
                       QStringLiteral("%1 kHz").arg(hz / 1000));
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace zenka
