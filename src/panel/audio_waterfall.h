#pragma once
// The audio waterfall: what the listener hears, as it comes from the sound output, in a
// scrolling picture of its spectrum from 0 Hz up to 3 kHz (the newest row at the top),
// brighter where louder. It reads the output's tap on a timer of its own while it is
// shown; the transform is the engine's (shell/audio_spectrum.h).

#include "shell/audio_spectrum.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace zenka::sound {
class OutputTap;
}

namespace zenka {

class AudioWaterfall final : public QWidget {
  public:
    static constexpr int kRows = 240;       // rows of the picture: about 10 s
    static constexpr int kPullMs = 50;      // the tap is read this often
    static constexpr int kScaleHeight = 16; // the kHz scale at the top
    // The colours run from this level (dark) to full scale (white), in dB.
    static constexpr float kDarkDb = -100.0f;

    explicit AudioWaterfall(QWidget* parent = nullptr);

    // The sound output's tap to read; null: nothing to show.
    void listen(sound::OutputTap* tap);
    // Reads what the tap has and adds the rows it makes; the timer calls it.
    void pull();

    // The picture: a column a bin, row 0 the newest.
    const QImage& picture() const { return picture_; }
    // The pitch of the loudest bin of the newest row (Hz), and its level (dB); 0 Hz and
    // the floor before any row.
    double loudest_hz() const { return loudest_hz_; }
    float loudest_db() const { return loudest_db_; }
    const AudioSpectrum& spectrum() const { return spectrum_; }

    QSize sizeHint() const override { return {300, 260}; }
    QSize minimumSizeHint() const override { return {160, 120}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void add_row(const std::vector<float>& row);
    void describe();

    sound::OutputTap* tap_ = nullptr;
    AudioSpectrum spectrum_;
    std::vector<float> samples_; // what one pull reads, made once
    std::vector<float> row_;
    QImage picture_;
    QTimer timer_;
    double loudest_hz_ = 0;
    float loudest_db_ = AudioSpectrum::kFloorDb;
};

} // namespace zenka
