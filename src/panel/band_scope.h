#pragma once
// The band scope: 10 kHz either side of the dial across, the stations as traces at the
// frequencies they stand on, keyed as they are keyed, the newest moment at the top and
// older ones going down as the clock runs (a waterfall in time). The dial is marked, and
// the receiver's passband (FLT1, FLT2 or the narrow CW filter) is drawn as a band under
// the scale. A click tunes the frequency under it; the cursor keys move a cursor along
// the band (Page Up and Page Down by 1 kHz, Home back to the dial) and Enter tunes there.

#include "platform/audio_filter.h"
#include "shell/scope_traces.h"

#include <QPixmap>
#include <QWidget>

#include <cstdint>

namespace zenka {

class BandScope final : public QWidget {
    Q_OBJECT

  public:
    // A row of the waterfall is this long.
    static constexpr int kMsPerRow = 40;
    static constexpr int kScaleHeight = 16; // the kHz scale at the top
    static constexpr int kBandHeight = 6;   // the passband's bar under it

    explicit BandScope(QWidget* parent = nullptr);

    // A retune to `dial`: the traces go until the scope of it comes.
    void set_dial(int dial);
    // The scope worked out for the dial; one for another dial is left aside.
    void show_scope(Scope scope);
    void set_passband(Filter filter, bool cw);
    // How long it is since the scope's retune: the top row.
    void set_elapsed(std::uint32_t ms);

    int dial() const { return dial_; }
    int cursor() const { return cursor_; }
    const Scope& scope() const { return scope_; }
    Passband passband() const { return passband_; }
    // The frequency (100 Hz) shown at x, and the middle of a frequency's column.
    int freq_at(int x) const;
    int x_of(int freq) const;
    // Where the traces are drawn, and the passband's bar.
    QRect plot() const;
    QRect band_bar() const;
    // What it shows, in words: the dial, the passband and the stations in view.
    QString summary() const;

    QSize sizeHint() const override { return {520, 260}; }
    QSize minimumSizeHint() const override { return {260, 120}; }

  signals:
    void tune(int freq);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void paint_passband();
    void move_cursor(int to);
    void describe();
    int lowest() const;
    int highest() const;

    int dial_ = 0;
    int cursor_ = 0;
    Scope scope_;
    Filter filter_ = Filter::flt2;
    bool cw_ = false;
    Passband passband_;
    std::uint32_t elapsed_ms_ = 0;
    // The passband as last drawn, and what for.
    struct PassbandKey {
        QSize size;
        Filter filter = Filter::flt2;
        bool cw = false;
        friend bool operator==(const PassbandKey&, const PassbandKey&) = default;
    };
    QPixmap passband_picture_;
    PassbandKey passband_key_;
};

} // namespace zenka
