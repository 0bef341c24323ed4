// The pane "Band scope" worked as a listener works it: the scope of the stations around
// the dial comes back from the query thread after a retune, a click or the cursor keys
// and Enter tune where they point, the passband drawn follows the filter switch, the
// audio waterfall shows the tones the output plays, and the pane stays hidden once hidden.

#include "band/dispatcher.h"
#include "compose/composition.h"
#include "panel/audio_waterfall.h"
#include "panel/band_scope.h"
#include "panel/band_window.h"
#include "panel/panel.h"
#include "panel/receiver_strip.h"
#include "panel/scope_pane.h"
#include "panel/settings_file.h"
#include "platform/clock.h"
#include "platform/sound/null_sound.h"
#include "shell/receiver.h"
#include "support/temp_folder.h"

#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#undef slots

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace zenka {
namespace {

using namespace std::chrono_literals;

// The receiver on the real band at a busy MF night, with the band window open.
struct ScopeRig {
    ScopeRig() {
        panel.attach(rx);
        panel.move(0, 0);
        panel.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
        open();
    }
    ~ScopeRig() {
        window.reset();
        if (panel.isVisible()) panel.close();
    }
    void open() {
        settings = std::make_unique<SettingsFile>(
            QString::fromStdString((folder.path() / "zenka.ini").string()));
        window = std::make_unique<BandWindow>(rx, clock, *settings, &panel);
        window->listen(&out.output_tap());
        window->restore();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void retune(int freq) {
        rx.settings.freq = freq;
        rx.dsp_freq();
    }
    // Retunes and waits for the scope of the new dial.
    void retune_and_wait(int freq) {
        retune(freq);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !pane().waiting(); }, 20000));
        EXPECT_EQ(scope().scope().dial, freq);
    }
    ScopePane& pane() const { return *window->band_scope(); }
    BandScope& scope() const { return *pane().scope(); }
    QAction* key(const char* name) const {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }

    test::TempFolder folder;
    FixedClock clock{parse_utc("2026-12-08T22:07:00Z").value()};
    sound::NullSound out;
    RandomSource random;
    Playout playout{out, clock, random, folder.path()};
    Panel panel;
    Receiver rx{clock, random, playout, panel, [](Air& a) { band(a); }};
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<BandWindow> window;
};

TEST(BandScopePane, ShowsTheStationsAroundTheDialAndSaysSo) {
    ScopeRig r;
    r.retune_and_wait(4400);
    const Scope& s = r.scope().scope();
    EXPECT_GT(s.traces.size(), 3u);
    EXPECT_EQ(s.at, r.clock.now());
    const QString about = r.scope().accessibleDescription();
    EXPECT_TRUE(about.contains(QStringLiteral("Dial 440.0 kHz"))) << about.toStdString();
    EXPECT_TRUE(about.contains(QStringLiteral("Passband of FLT2")));
    EXPECT_TRUE(about.contains(QStringLiteral("%1 stations in view at %2 frequencies")
                                   .arg(s.traces.size())
                                   .arg(s.positions())))
        << about.toStdString();
    EXPECT_EQ(r.scope().accessibleName(), QStringLiteral("Band scope"));

    // As the clock runs, the keying moves down: some trace is drawn below the top rows.
    r.clock.advance(5s);
    r.window->tick();
    const QImage shot = r.scope().grab().toImage();
    const QRect plot = r.scope().plot();
    int lit = 0;
    for (const ScopeTrace& t : s.traces) {
        const int x = r.scope().x_of(t.freq);
        for (int y = plot.top() + 10; y < plot.bottom(); y += 2)
            if (qGreen(shot.pixel(x, y)) > 100) ++lit;
    }
    EXPECT_GT(lit, 0);
}

TEST(BandScopePane, AClickOrTheCursorAndEnterTuneWhereTheyPoint) {
    ScopeRig r;
    r.retune_and_wait(4400);
    BandScope& scope = r.scope();
    const QRect plot = scope.plot();
    const int y = plot.center().y();
    // The edges of the plot are the ends of the band shown, its middle the dial.
    struct Click {
        int x;
        int freq;
    };
    ASSERT_GT(scope.x_of(4401) - scope.x_of(4400), 1);
    // The first and the last x of the column of 445.2 kHz: the plot's width shared out
    // evenly over the 201 columns.
    constexpr int kColumns = 2 * kScopeReach + 1;
    const int column = 4452 - (4400 - kScopeReach);
    const auto edge = [&](int col) {
        return plot.left() + (col * plot.width() + kColumns - 1) / kColumns;
    };
    for (const Click c :
         {Click{plot.left(), 4300}, Click{plot.right(), 4500}, Click{scope.x_of(4400), 4400},
          Click{scope.x_of(4337), 4337}, Click{edge(column), 4452},
          Click{edge(column + 1) - 1, 4452}, Click{edge(column) - 1, 4451},
          Click{edge(column + 1), 4453}}) {
        // Each click from a dial of 440.0 kHz, so that every x maps as above.
        if (r.rx.settings.freq != 4400) r.retune_and_wait(4400);
        EXPECT_EQ(r.scope().freq_at(c.x), c.freq) << c.x;
        QTest::mouseClick(&r.scope(), Qt::LeftButton, Qt::NoModifier, QPoint(c.x, y));
        EXPECT_EQ(r.rx.settings.freq, c.freq) << c.x;
    }

    // Ctrl+4 comes to the scope; the cursor keys move its cursor, Enter tunes there.
    r.retune_and_wait(4400);
    r.window->activateWindow();
    r.key("key_band_scope")->trigger();
    EXPECT_TRUE(r.scope().hasFocus());
    QTest::keyClick(&r.scope(), Qt::Key_Right);
    QTest::keyClick(&r.scope(), Qt::Key_Right);
    QTest::keyClick(&r.scope(), Qt::Key_PageUp);
    EXPECT_EQ(r.scope().cursor(), 4412);
    EXPECT_EQ(r.rx.settings.freq, 4400); // the cursor alone tunes nothing
    EXPECT_TRUE(r.scope().accessibleDescription().contains(QStringLiteral("Cursor at 441.2 kHz")));
    QTest::keyClick(&r.scope(), Qt::Key_Return);
    EXPECT_EQ(r.rx.settings.freq, 4412);
    // The cursor goes no further than the band shown.
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(&r.scope(), Qt::Key_PageDown);
    EXPECT_EQ(r.scope().cursor(), 4312);
    QTest::keyClick(&r.scope(), Qt::Key_Home);
    EXPECT_EQ(r.scope().cursor(), 4412);
}

// The columns of the passband's bar that are lit, as drawn, in the run of them that
// takes in column `x`; empty when x is not lit.
std::vector<int> lit_band(BandScope& scope, int x) {
    const QImage shot = scope.grab().toImage();
    const int y = scope.band_bar().center().y();
    const auto lit = [&](int at) {
        return at >= 0 && at < shot.width() && qBlue(shot.pixel(at, y)) > 150;
    };
    if (!lit(x)) return {};
    int low = x, high = x;
    while (lit(low - 1))
        --low;
    while (lit(high + 1))
        ++high;
    std::vector<int> xs;
    for (int at = low; at <= high; ++at)
        xs.push_back(at);
    return xs;
}

TEST(BandScopePane, ThePassbandDrawnFollowsTheFilterSwitch) {
    ScopeRig r;
    r.retune_and_wait(4400);
    BandScope& scope = r.scope();
    const int dial = scope.x_of(4400);
    const auto khz_wide = [&](const std::vector<int>& xs) {
        return (xs.back() - xs.front() + 1) * 20.1 / scope.plot().width();
    };
    // The -6 dB edges of the fourth-order skirts: a factor 3^(1/8) beyond the corners.
    const double skirt = std::pow(3.0, 1.0 / 8.0);
    // FLT2 passes 0.3 - 2.3 kHz of pitch: from about 0.5 kHz below the dial to 1.8 above.
    const std::vector<int> flt2 = lit_band(scope, dial);
    ASSERT_FALSE(flt2.empty());
    EXPECT_NEAR(khz_wide(flt2), 2.3 * skirt - 0.3 / skirt, 0.15);
    EXPECT_NEAR(scope.freq_at(flt2.back()), 4400 + (2300 * skirt - 800) / 100, 1);
    EXPECT_NEAR(scope.freq_at(flt2.front()), 4400 + (300 / skirt - 800) / 100, 1);

    r.window->strip()->switch_button(ReceiverStrip::Switch::filter)->click();
    ASSERT_EQ(r.rx.settings.filter, Filter::flt1);
    const std::vector<int> flt1 = lit_band(scope, dial);
    ASSERT_FALSE(flt1.empty());
    EXPECT_NEAR(khz_wide(flt1), 1.3 * skirt - 0.3 / skirt, 0.15);
    EXPECT_NEAR(flt1.front(), flt2.front(), 1); // the low edge stays, the high one comes in
    EXPECT_NEAR(scope.freq_at(flt1.back()), 4400 + (1300 * skirt - 800) / 100, 1);
    EXPECT_TRUE(scope.accessibleDescription().contains(QStringLiteral("Passband of FLT1")));

    r.rx.set_cw_filter(true);
    const std::vector<int> cw = lit_band(scope, dial);
    ASSERT_FALSE(cw.empty());
    EXPECT_NEAR(khz_wide(cw), 0.5, 0.1);
    // About the dial, evenly.
    EXPECT_NEAR((cw.front() + cw.back()) / 2.0, dial, 2.0);
    EXPECT_TRUE(scope.accessibleDescription().contains(QStringLiteral("the CW filter")));
    // A station 1.6 kHz below beats at -800 Hz, heard as 800: the image on the other side
    // of zero beat is drawn too, as wide.
    const std::vector<int> image = lit_band(scope, scope.x_of(4384));
    ASSERT_FALSE(image.empty());
    EXPECT_NEAR(khz_wide(image), khz_wide(cw), 0.1);
    EXPECT_LT(image.back(), cw.front());
}

TEST(BandScopePane, TheAudioWaterfallShowsTheTonesPlayed) {
    ScopeRig r;
    AudioWaterfall& fall = *r.pane().waterfall();
    EXPECT_EQ(fall.accessibleName(), QStringLiteral("Audio waterfall"));
    for (const double hz : {700.0, 1300.0}) {
        std::vector<float> block(512);
        for (int n = 0; n < 60; ++n) { // 0.64 s
            for (std::size_t i = 0; i < block.size(); ++i)
                block[i] = static_cast<float>(
                    0.2 * std::sin(2.0 * std::numbers::pi * hz *
                                   static_cast<double>(n * 512 + static_cast<int>(i)) / 48000.0));
            r.out.play_block(block);
            if (n % 8 == 7) fall.pull();
        }
        fall.pull();
        EXPECT_NEAR(fall.loudest_hz(), hz, fall.spectrum().bin_hz()) << hz;
        EXPECT_NEAR(fall.loudest_db(), 20 * std::log10(0.2), 1.6) << hz;
        EXPECT_TRUE(fall.accessibleDescription().contains(
            QStringLiteral("Loudest now: %1 Hz").arg(static_cast<int>(fall.loudest_hz()))));
        // The newest row of the picture is brightest at the tone's column.
        const QImage& pic = fall.picture();
        int best = 0;
        for (int x = 1; x < pic.width(); ++x)
            if (qGray(pic.pixel(x, 0)) > qGray(pic.pixel(best, 0))) best = x;
        EXPECT_NEAR(best * fall.spectrum().bin_hz(), hz, fall.spectrum().bin_hz()) << hz;
    }
}

TEST(BandScopePane, HiddenItStaysHiddenAndAsksNothing) {
    ScopeRig r;
    QGroupBox* box = r.window->findChild<QGroupBox*>(QStringLiteral("band_scope_box"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title(), QStringLiteral("Band scope"));
    EXPECT_TRUE(box->isVisible());
    r.key("key_band_scope_shown")->trigger();
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(r.window->keys_help().contains(QStringLiteral("Show or hide the band scope")));
    r.retune(4800);
    EXPECT_FALSE(r.pane().waiting()); // nothing asked while hidden
    r.window->save();
    r.window.reset();
    r.open();
    box = r.window->findChild<QGroupBox*>(QStringLiteral("band_scope_box"));
    EXPECT_FALSE(box->isVisible());
    // Ctrl+4 shows it again and asks for the scope of the dial.
    r.retune(4800);
    r.key("key_band_scope")->trigger();
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return r.scope().scope().dial == 4800; }, 20000));
}

} // namespace
} // namespace zenka
