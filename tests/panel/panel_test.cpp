// The front panel worked as a user works it: buttons clicked, keys sent to the
// window, boxes answered; and the built zenka started as a user starts it.

#include "support/utc_at.h"
#include "compose/air.h"
#include "panel/panel.h"
#include "platform/clock.h"
#include "platform/sound/null_sound.h"
#include "shell/receiver.h"
#include "support/run_command.h"
#include "support/spawn_zenka.h"
#include "support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace zenka {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

using test::at;

// Everything the panel works on, with a silent sound output and a band that puts
// one short emission on the air at every retune, so that retunes leave channel files.
struct Rig {
    explicit Rig(int devices = 1) : out(devices) {
        panel.attach(rx);
        panel.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }
    ~Rig() {
        if (panel.isVisible()) panel.close();
    }

    test::TempFolder folder;
    FixedClock clock{at("2026-12-08T09:18:07Z")};
    sound::NullSound out;
    RandomSource random;
    Playout playout{out, clock, random, folder.path()};
    int retunes = 0;
    bool on_air = true;        // the band puts a station on the air
    std::vector<int> readings; // strengths the band shows on the S-meter
    Panel panel;
    Receiver rx{clock, random, playout, panel, [this](Air& air) {
                    ++retunes;
                    for (const int qsa : readings) {
                        air.qsa = qsa;
                        air.smetr();
                    }
                    if (on_air) air.send_stack("CQ");
                }};

    QString caption(int id) const {
        QWidget* w = panel.control(id);
        if (auto* b = qobject_cast<QPushButton*>(w)) return b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        return QStringLiteral("<no control %1>").arg(id);
    }
    std::string readout() const { return caption(141).toStdString(); }
    std::string meter() const { return caption(142).toStdString(); }
    std::pair<std::string, std::string> fine() const {
        return {caption(151).toStdString(), caption(152).toStdString()};
    }

    void click(int id) {
        auto* b = qobject_cast<QPushButton*>(panel.control(id));
        ASSERT_NE(b, nullptr) << id;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void key(int k) { QTest::keyClick(panel.windowHandle(), static_cast<Qt::Key>(k)); }

    // Tunes to `freq` (100 Hz units) as a memory recall would, and forgets the retune.
    void tune(int freq) {
        rx.settings.freq = freq;
        rx.dsp_freq();
        retunes = 0;
    }

    std::vector<fs::path> channel_files() const {
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(folder.path()))
            if (e.path().filename().string().starts_with("ZENKA")) files.push_back(e.path());
        return files;
    }
};

// Opens a modal box with `open`, hands it to `inspect` once it is up, then presses OK.
// Returns whether a box came up within two seconds.
bool answer_box(const std::function<void()>& open,
                const std::function<void(QMessageBox&)>& inspect) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || seen) return;
        seen = true;
        poll.stop();
        inspect(*box);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    poll.start();
    open();
    for (int i = 0; i < 200 && !seen; ++i)
        QTest::qWait(10);
    QTest::qWait(10);
    return seen;
}

// --- Layout ----------------------------------------------------------------------

struct Control {
    int id;
    const char* caption;
    int x, y, w, h;
    bool button;
};

constexpr int W = 50, H = 25;
const std::vector<Control> kControls = {
    {101, "OFF", 20, 30, W, H, true},
    {102, "M1", 600, 90, W, H, true},
    {103, "M2", 660, 90, W, H, true},
    {104, "M3", 720, 90, W, H, true},
    {105, "M4", 600, 130, W, H, true},
    {106, "M5", 660, 130, W, H, true},
    {107, "M6", 720, 130, W, H, true},
    {108, "M7", 600, 170, W, H, true},
    {109, "M8", 660, 170, W, H, true},
    {110, "M9", 720, 170, W, H, true},
    {111, "M10", 600, 210, W, H, true},
    {112, "M11", 660, 210, W, H, true},
    {113, "M12", 720, 210, W, H, true},
    {121, "SCAN", 20, 90, W, H, true},
    {122, "ATT", 80, 90, W, H, true},
    {123, "FLT2", 140, 90, W, H, true},
    {124, "LOW", 20, 130, W, H, true},
    {125, "MID", 80, 130, W, H, true},
    {126, "HIGH", 140, 130, W, H, true},
    {127, "HIST", 20, 170, W, H, true},
    {128, "CLIP", 80, 170, W, H, true},
    {129, "BGND", 140, 170, W, H, true},
    {130, "QRN", 20, 210, W, H, true},
    {131, "INFO", 80, 210, W, H, true},
    {132, "SMPL", 140, 210, W, H, true},
    {141, "", 345, 30, 110, 20, false},
    {142, " > > > > > ", 700, 30, 70, 20, false},
    {153, "< 1k", 345, 130, W, H, true},
    {154, "1k >", 405, 130, W, H, true},
    {155, "<10k", 345, 170, W, H, true},
    {156, "10k>", 405, 170, W, H, true},
    {157, "<100k", 345, 210, W, H, true},
    {158, "100k>", 405, 210, W, H, true},
    {151, "< 100", 345, 90, W, H, true},
    {152, "100 >", 405, 90, W, H, true},
};

TEST(PanelLayout, EveryControlHasItsIdCaptionPlaceAndSizeInCreationOrder) {
    Rig r;
    std::vector<QWidget*> made;
    for (QObject* child : r.panel.children())
        if (auto* w = qobject_cast<QWidget*>(child); w != nullptr && w->property("id").isValid())
            made.push_back(w);
    ASSERT_EQ(made.size(), kControls.size());
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Control& c = kControls[i];
        QWidget* w = made[i];
        SCOPED_TRACE(c.id);
        EXPECT_EQ(w->property("id").toInt(), c.id);
        EXPECT_EQ(w->objectName(), QStringLiteral("id%1").arg(c.id));
        EXPECT_EQ(r.panel.control(c.id), w);
        EXPECT_EQ(w->geometry(), QRect(c.x, c.y, c.w, c.h));
        EXPECT_TRUE(w->isVisible());
        if (c.button) {
            auto* b = qobject_cast<QPushButton*>(w);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->text().toStdString(), c.caption);
            EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
        } else {
            auto* l = qobject_cast<QLabel*>(w);
            ASSERT_NE(l, nullptr);
            EXPECT_EQ(l->text().toStdString(), c.caption);
        }
    }
    EXPECT_EQ(r.panel.control(999), nullptr);
}

TEST(PanelLayout, OneFixedBlackWindowWithItsTitle) {
    Rig r;
    EXPECT_TRUE(r.panel.isWindow());
    EXPECT_EQ(r.panel.windowTitle(), QStringLiteral("Zenka receiver 10 - 1000 kHz"));
    EXPECT_EQ(r.panel.size(), QSize(810, 295));
    EXPECT_EQ(r.panel.minimumSize(), QSize(810, 295));
    EXPECT_EQ(r.panel.maximumSize(), QSize(810, 295));
    EXPECT_EQ(r.panel.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_TRUE(r.panel.autoFillBackground());
    const QImage shot = r.panel.grab().toImage();
    EXPECT_EQ(shot.pixelColor(300, 270), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::black));
    // The S-meter's blanks and cells are as wide as each other: the meter never jumps.
    const QFontMetrics meter(r.panel.control(142)->font());
    EXPECT_EQ(meter.horizontalAdvance(QStringLiteral("     ")),
              meter.horizontalAdvance(QStringLiteral(">>>>>")));
    EXPECT_EQ(meter.horizontalAdvance(QStringLiteral(">    ")),
              meter.horizontalAdvance(QStringLiteral(">>>  ")));
}

// --- Start-up ---------------------------------------------------------------------

TEST(PanelStart, ShowsAWholeKilohertzInTheLowerHalfAndAnEmptyMeterWithNoStationPlaying) {
    Rig r;
    r.panel.power_on();
    EXPECT_EQ(r.rx.settings.freq % 10, 0);
    EXPECT_GE(r.rx.settings.freq, 100);
    EXPECT_LE(r.rx.settings.freq, 4990);
    EXPECT_EQ(r.readout(), Receiver::readout(r.rx.settings.freq));
    EXPECT_EQ(r.meter(), "     ");
    EXPECT_EQ(r.fine(),
              (r.rx.settings.freq <= 1999 ? std::pair<std::string, std::string>{"< 100", "100 >"}
                                          : std::pair<std::string, std::string>{"< 500", "500 >"}));
    EXPECT_EQ(r.retunes, 0);
    EXPECT_TRUE(r.channel_files().empty());
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // a device: no warning
}

TEST(PanelStart, WithoutASoundDeviceWarnsAndCarriesOn) {
    Rig r(0);
    QString title, text;
    EXPECT_TRUE(answer_box([&] { r.panel.power_on(); },
                           [&](QMessageBox& box) {
                               title = box.windowTitle();
                               text = box.text();
                           }));
    EXPECT_EQ(title, QStringLiteral("Error!"));
    EXPECT_EQ(text, QStringLiteral("Cannot Find Device Driver!"));
    r.tune(5000);
    r.key(Qt::Key_Up);
    EXPECT_EQ(r.readout(), "   501.0 kHz");
}

TEST(PanelStart, ChannelFilesThatCannotBeWrittenAreShownOncePerSession) {
    Rig r;
    fs::remove_all(r.folder.path()); // no working folder: every channel file fails
    QString text;
    EXPECT_TRUE(answer_box([&] { r.tune(5000); }, [&](QMessageBox& box) { text = box.text(); }));
    EXPECT_TRUE(text.startsWith("Cannot write the channel files; stations stay silent.\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("ZENKA00.WAV")) << text.toStdString();
    // Later retunes fail the same way without another box.
    EXPECT_FALSE(answer_box(
        [&] {
            r.tune(5010);
            r.key(Qt::Key_Up);
        },
        [](QMessageBox&) {}));
    EXPECT_EQ(r.readout(), "   502.0 kHz");
}

// --- Tuning -------------------------------------------------------------------------

struct KeyCase {
    int from;
    int key;
    const char* readout;
    const char* fine_down;
    const char* fine_up;
};

TEST(PanelKeys, CursorAndPageKeysStepTheFrequency) {
    Rig r;
    r.panel.power_on();
    const std::vector<KeyCase> cases = {
        {1999, Qt::Key_Right, "   200.0 kHz", "< 500", "500 >"},
        {2000, Qt::Key_Left, "   199.5 kHz", "< 100", "100 >"},
        {1995, Qt::Key_Left, "   199.4 kHz", "< 100", "100 >"},
        {1500, Qt::Key_Right, "   150.1 kHz", "< 100", "100 >"},
        {9999, Qt::Key_Right, "   1000.4 kHz", "< 500", "500 >"},
        {10004, Qt::Key_Right, "   10.0 kHz", "< 100", "100 >"},
        {100, Qt::Key_Left, "   1000.0 kHz", "< 500", "500 >"},
        {5000, Qt::Key_Up, "   501.0 kHz", "< 500", "500 >"},
        {5000, Qt::Key_Down, "   499.0 kHz", "< 500", "500 >"},
        {5000, Qt::Key_PageUp, "   510.0 kHz", "< 500", "500 >"},
        {5000, Qt::Key_PageDown, "   490.0 kHz", "< 500", "500 >"},
        {9990, Qt::Key_Up, "   10.0 kHz", "< 100", "100 >"},
        {110, Qt::Key_Down, "   1000.0 kHz", "< 500", "500 >"},
        {9900, Qt::Key_PageUp, "   10.0 kHz", "< 100", "100 >"},
        {200, Qt::Key_PageDown, "   1000.0 kHz", "< 500", "500 >"},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " key " + std::to_string(c.key));
        r.tune(c.from);
        r.key(c.key);
        EXPECT_EQ(r.readout(), c.readout);
        EXPECT_EQ(r.fine(), (std::pair<std::string, std::string>{c.fine_down, c.fine_up}));
        EXPECT_EQ(r.retunes, 1);
    }
}

TEST(PanelKeys, ARunOfKeysAddsUp) {
    Rig r;
    r.panel.power_on();
    r.tune(1999);
    r.key(Qt::Key_Right);
    EXPECT_EQ(r.readout(), "   200.0 kHz");
    EXPECT_EQ(r.fine(), (std::pair<std::string, std::string>{"< 500", "500 >"}));
    r.key(Qt::Key_Left);
    EXPECT_EQ(r.readout(), "   199.5 kHz");
    EXPECT_EQ(r.fine(), (std::pair<std::string, std::string>{"< 100", "100 >"}));
    r.key(Qt::Key_PageUp);
    r.key(Qt::Key_Up);
    r.key(Qt::Key_Up);
    EXPECT_EQ(r.readout(), "   211.5 kHz");
    r.key(Qt::Key_A); // not a tuning key
    EXPECT_EQ(r.readout(), "   211.5 kHz");
    EXPECT_EQ(r.retunes, 5);
}

struct ButtonCase {
    int from;
    int id;
    const char* readout;
};

TEST(PanelButtons, StepAndPresetButtonsTune) {
    Rig r;
    r.panel.power_on();
    const std::vector<ButtonCase> cases = {
        {5000, 151, "   499.5 kHz"}, {5000, 152, "   500.5 kHz"},  {1000, 151, "   99.9 kHz"},
        {1000, 152, "   100.1 kHz"}, {5000, 153, "   499.0 kHz"},  {5000, 154, "   501.0 kHz"},
        {5000, 155, "   490.0 kHz"}, {5000, 156, "   510.0 kHz"},  {5000, 157, "   400.0 kHz"},
        {5000, 158, "   600.0 kHz"}, {1100, 157, "   1000.0 kHz"}, {9000, 158, "   10.0 kHz"},
        {5000, 124, "   10.0 kHz"},  {2000, 125, "   500.0 kHz"},  {5000, 126, "   1000.0 kHz"},
    };
    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " button " + std::to_string(c.id));
        r.tune(c.from);
        r.click(c.id);
        EXPECT_EQ(r.readout(), c.readout);
        EXPECT_EQ(r.retunes, 1);
    }
}

TEST(PanelMemory, StoresOnceAndRecallsAfterThat) {
    Rig r;
    r.panel.power_on();
    r.tune(5000);
    r.click(102);
    EXPECT_EQ(r.caption(102), QStringLiteral("500.0"));
    EXPECT_EQ(r.retunes, 0); // storing does not retune
    r.tune(1234);
    r.click(113);
    EXPECT_EQ(r.caption(113), QStringLiteral("123.4"));
    EXPECT_EQ(r.caption(103), QStringLiteral("M2"));

    r.tune(7770);
    r.click(102);
    EXPECT_EQ(r.readout(), "   500.0 kHz");
    EXPECT_EQ(r.rx.settings.freq, 5000);
    EXPECT_EQ(r.caption(102), QStringLiteral("500.0")); // one time: not overwritten
    EXPECT_EQ(r.retunes, 1);
    r.click(113);
    EXPECT_EQ(r.readout(), "   123.4 kHz");
    EXPECT_EQ(r.fine(), (std::pair<std::string, std::string>{"< 100", "100 >"}));
    EXPECT_EQ(r.retunes, 2);
}

// --- Switches -------------------------------------------------------------------------

TEST(PanelSwitches, RetuneWithoutChangingTheReadout) {
    Rig r;
    r.panel.power_on();
    r.tune(5120);
    struct Case {
        int id;
        int ReceiverSettings::*flag;
        int before, after;
    };
    for (const Case& c :
         {Case{122, &ReceiverSettings::att, 0, 1}, Case{127, &ReceiverSettings::hist, 1, 0},
          Case{128, &ReceiverSettings::clips, 1, 0}, Case{129, &ReceiverSettings::bkgnd, 1, 0},
          Case{132, &ReceiverSettings::sampling, 4, 3}}) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(r.rx.settings.*c.flag, c.before);
        r.retunes = 0;
        r.click(c.id);
        EXPECT_EQ(r.rx.settings.*c.flag, c.after);
        EXPECT_EQ(r.retunes, 1);
        r.click(c.id);
        EXPECT_EQ(r.rx.settings.*c.flag, c.before);
        EXPECT_EQ(r.retunes, 2);
        EXPECT_EQ(r.readout(), "   512.0 kHz");
        EXPECT_EQ(r.rx.settings.freq, 5120);
    }
}

TEST(PanelSwitches, FilterButtonShowsTheFilterInUse) {
    Rig r;
    r.panel.power_on();
    r.tune(5120);
    EXPECT_EQ(r.caption(123), QStringLiteral("FLT2"));
    r.retunes = 0;
    r.click(123);
    EXPECT_EQ(r.caption(123), QStringLiteral("FLT1"));
    EXPECT_EQ(r.rx.settings.filter, Filter::flt1);
    EXPECT_EQ(r.retunes, 1);
    r.click(123);
    EXPECT_EQ(r.caption(123), QStringLiteral("FLT2"));
    EXPECT_EQ(r.rx.settings.filter, Filter::flt2);
    EXPECT_EQ(r.retunes, 2);
    EXPECT_EQ(r.readout(), "   512.0 kHz");
}

TEST(PanelSwitches, QrnSwitchesTheBandNoiseWithoutARetune) {
    Rig r;
    r.panel.power_on();
    r.tune(5000);
    r.out.clear();
    r.click(130);
    EXPECT_EQ(r.rx.settings.qrn, 0);
    EXPECT_EQ(r.out.calls(), std::vector<std::string>{"stop_noise"});
    r.click(130);
    EXPECT_EQ(r.rx.settings.qrn, 1);
    EXPECT_EQ(r.out.calls(), (std::vector<std::string>{"stop_noise", "start_noise"}));
    EXPECT_EQ(r.retunes, 0);
    EXPECT_EQ(r.readout(), "   500.0 kHz");
}

// --- Scan -------------------------------------------------------------------------------

TEST(PanelScan, ScanButtonTogglesAndEachTickStepsFine) {
    Rig r;
    r.panel.power_on();
    r.tune(1998);
    r.panel.scan_tick();
    EXPECT_EQ(r.rx.settings.freq, 1998); // not scanning
    r.click(121);
    EXPECT_EQ(r.rx.settings.scan, 1);
    EXPECT_EQ(r.retunes, 0); // SCAN itself does not retune
    r.panel.scan_tick();
    EXPECT_EQ(r.readout(), "   199.9 kHz");
    r.panel.scan_tick();
    EXPECT_EQ(r.readout(), "   200.0 kHz");
    r.panel.scan_tick();
    EXPECT_EQ(r.readout(), "   200.5 kHz");
    EXPECT_EQ(r.fine(), (std::pair<std::string, std::string>{"< 500", "500 >"}));
    EXPECT_EQ(r.retunes, 3);
    r.tune(10000);
    r.panel.scan_tick();
    EXPECT_EQ(r.readout(), "   10.0 kHz");
    r.click(121);
    EXPECT_EQ(r.rx.settings.scan, 0);
    r.panel.scan_tick();
    EXPECT_EQ(r.readout(), "   10.0 kHz");
}

TEST(PanelScan, TheTimerScansEveryTwoHundredMilliseconds) {
    Rig r;
    r.panel.power_on();
    auto* timer = r.panel.findChild<QTimer*>(QStringLiteral("scan"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 200);
    EXPECT_TRUE(timer->isActive());
    r.tune(5000);
    r.click(121);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 300 && r.rx.settings.freq < 5010; ++i)
        QTest::qWait(10);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.rx.settings.freq, 5010); // two ticks of 500 Hz
    EXPECT_GE(took, 180ms);              // a timer may fire a little early
    r.click(121);
    const int stopped = r.rx.settings.freq;
    QTest::qWait(450);
    EXPECT_EQ(r.rx.settings.freq, stopped);
}

TEST(PanelScan, StepsMemoriesAndPresetsStopIt) {
    Rig r;
    r.panel.power_on();
    r.tune(5000);
    r.click(102); // M1 stored (scan was off)
    for (const int id : {151, 152, 153, 154, 155, 156, 157, 158, 124, 125, 126, 102, 103}) {
        SCOPED_TRACE(id);
        r.click(121);
        ASSERT_EQ(r.rx.settings.scan, 1);
        r.click(id);
        EXPECT_EQ(r.rx.settings.scan, 0);
        const int f = r.rx.settings.freq;
        r.panel.scan_tick();
        EXPECT_EQ(r.rx.settings.freq, f);
    }
    for (const int k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                        Qt::Key_PageDown}) {
        SCOPED_TRACE(k);
        r.click(121);
        r.key(k);
        EXPECT_EQ(r.rx.settings.scan, 0);
    }
}

TEST(PanelScan, SwitchesAndInfoLeaveItRunning) {
    Rig r;
    r.panel.power_on();
    r.tune(5000);
    r.click(121);
    for (const int id : {122, 123, 127, 128, 129, 130, 132}) {
        SCOPED_TRACE(id);
        const int f = r.rx.settings.freq;
        r.click(id);
        EXPECT_EQ(r.rx.settings.scan, 1);
        EXPECT_EQ(r.rx.settings.freq, f);
    }
    EXPECT_TRUE(answer_box([&] { r.click(131); }, [](QMessageBox&) {}));
    EXPECT_EQ(r.rx.settings.scan, 1);
    const int f = r.rx.settings.freq;
    r.panel.scan_tick();
    EXPECT_EQ(r.rx.settings.freq, f + 5);
}

TEST(PanelScan, StandsStillWhileABoxIsOpen) {
    Rig r;
    r.panel.power_on();
    r.tune(5000);
    r.click(121);
    int during_tick = -1, during_wait = -1;
    EXPECT_TRUE(answer_box([&] { r.click(131); },
                           [&](QMessageBox&) {
                               r.panel.scan_tick();
                               during_tick = r.rx.settings.freq;
                               QTest::qWait(600); // three timer periods
                               during_wait = r.rx.settings.freq;
                           }));
    EXPECT_EQ(during_tick, 5000);
    EXPECT_EQ(during_wait, 5000);
    EXPECT_EQ(r.rx.settings.scan, 1);
    const int after = r.rx.settings.freq; // the timer may have ticked once the box was gone
    r.panel.scan_tick();
    EXPECT_EQ(r.rx.settings.freq, after + 5);
}

// --- INFO -------------------------------------------------------------------------------

TEST(PanelInfo, BoxNamesTheProgramItsVersionAndEveryControl) {
    Rig r;
    r.panel.power_on();
    QString title, text;
    bool one_ok_button = false;
    int label_width = 0, widest_line = -1;
    EXPECT_TRUE(answer_box([&] { r.click(131); },
                           [&](QMessageBox& box) {
                               title = box.windowTitle();
                               text = box.text();
                               one_ok_button = box.buttons().size() == 1 &&
                                               box.button(QMessageBox::Ok) != nullptr;
                               auto* label = box.findChild<QLabel*>("qt_msgbox_label");
                               if (label == nullptr) return;
                               label_width = label->width();
                               const QFontMetrics m(label->font());
                               for (const QString& line : text.split(QLatin1Char('\n')))
                                   widest_line = std::max(widest_line, m.horizontalAdvance(line));
                           }));
    EXPECT_EQ(title, QStringLiteral("Zenka"));
    EXPECT_TRUE(one_ok_button);
    EXPECT_GE(label_width, widest_line); // no line of the legend is broken
    EXPECT_EQ(text, Panel::info_text());

    const QStringList lines = Panel::info_text().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("ZENKA")));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("Version:  4.29"));
    EXPECT_EQ(lines[3], QString());
    EXPECT_TRUE(lines.contains(QStringLiteral("This receiver: 10 - 1000 kHz")));
    for (const char* word : {"coast stations", "ships", "500 kHz", "naval broadcasts", "army nets",
                             "aircraft", "weather", "beacons"})
        EXPECT_TRUE(Panel::info_text().simplified().contains(QString::fromLatin1(word))) << word;

    const QStringList legend = {
        "OFF ........ Quit",
        "Cursors .... Frequency tuning (also PgUp,PgDwn, middle buttons)",
        "SCAN ....... Scaning (nonstop)",
        "ATT ........ Attenuator on/off",
        "FLT1/2 ..... Filter 1 kHz or 2 kHz",
        "LOW ........ Sets lowest Receiver frequency",
        "MID ........ Sets middle Receiver frequency",
        "HIGH ....... Sets highest Receiver frequency",
        "HIST ....... Historical stations (before 1950s) on/off (most)",
        "CLIP ....... Audio clips on/off",
        "BGND ....... Background stations (AM, SSB, RTLX,FAX etc..) on/off",
        "QRN ........ Background noise on/off",
        "INFO ....... This info box",
        "SMPL ....... Sampling rate 3/4 (default is 3, 4 is not recommended)",
        "M1-M12 ..... One time memory",
    };
    const qsizetype first = lines.indexOf(legend.front());
    ASSERT_GE(first, 0);
    ASSERT_LE(first + legend.size(), lines.size() - 2);
    for (qsizetype i = 0; i < legend.size(); ++i)
        EXPECT_EQ(lines[first + i], legend[i]);
    EXPECT_EQ(lines[first + legend.size()], QString());
    EXPECT_FALSE(lines.back().isEmpty()); // the closing note
    EXPECT_EQ(first + legend.size() + 2, lines.size());
}

TEST(PanelInfo, DoesNotRetune) {
    Rig r;
    r.panel.power_on();
    r.tune(5000);
    EXPECT_TRUE(answer_box([&] { r.click(131); }, [](QMessageBox&) {}));
    EXPECT_EQ(r.retunes, 0);
    EXPECT_EQ(r.readout(), "   500.0 kHz");
}

// --- What the receiver shows ----------------------------------------------------------

TEST(PanelView, MeterFromAnotherThreadArrivesThroughTheEventLoop) {
    Rig r;
    r.panel.power_on();
    std::thread other([&] { static_cast<PanelView&>(r.panel).show_smeter(">>>  "); });
    other.join();
    EXPECT_EQ(r.meter(), "     ");
    QCoreApplication::processEvents();
    EXPECT_EQ(r.meter(), ">>>  ");
    r.panel.show_smeter(">    ");
    EXPECT_EQ(r.meter(), ">    ");
}

TEST(PanelView, MeterFollowsTheStationsSignal) {
    Rig r;
    r.panel.power_on();
    r.on_air = false;
    r.readings = {3};
    r.tune(5000);
    EXPECT_EQ(r.meter(), ">>>  ");
    r.readings = {1, 7};
    r.tune(5010);
    EXPECT_EQ(r.meter(), ">>>>>");
    r.readings.clear();
    r.tune(5000); // a retune empties it, and no station fills it again
    EXPECT_EQ(r.meter(), "     ");
}

// --- Switching off ------------------------------------------------------------------------

TEST(PanelOff, OffShutsDownAndLeavesNoChannelFile) {
    Rig r;
    r.panel.power_on();
    r.tune(5000);
    r.key(Qt::Key_Up);
    ASSERT_FALSE(r.channel_files().empty());
    QSignalSpy off(&r.panel, &Panel::switched_off);
    r.click(101);
    EXPECT_EQ(off.count(), 1);
    EXPECT_FALSE(r.panel.isVisible());
    EXPECT_TRUE(r.channel_files().empty());
    const auto calls = r.out.calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "stop_noise"), calls.end());
    // Switched off, the panel no longer works the receiver.
    r.panel.scan_tick();
    r.key(Qt::Key_Up);
    EXPECT_EQ(r.rx.settings.freq, 5010);
}

TEST(PanelOff, CloseBoxDoesTheSame) {
    Rig r;
    r.panel.power_on();
    r.tune(5000);
    r.key(Qt::Key_Down);
    ASSERT_FALSE(r.channel_files().empty());
    QSignalSpy off(&r.panel, &Panel::switched_off);
    QCloseEvent close; // what the window manager's close box sends
    QApplication::sendEvent(r.panel.windowHandle(), &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_EQ(off.count(), 1);
    EXPECT_FALSE(r.panel.isVisible());
    EXPECT_TRUE(r.channel_files().empty());
}

// --- The built program ----------------------------------------------------------------------

using test::names_in;
using test::Ran;
using test::run;

TEST(PanelProgram, ASecondReceiverEndsAtOnceAndTheFirstCleansUpOnTerm) {
    test::TempFolder runtime;
    const std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=dummy",
                                          "XDG_RUNTIME_DIR=" + runtime.path().string()};
    const pid_t first = test::start_zenka(env, {}, runtime / "first.log");
    ASSERT_GT(first, 0);
    // The first has its lock once its working folder is there.
    auto working = [&] {
        return std::count_if(
            fs::directory_iterator(runtime.path()), fs::directory_iterator(),
            [](const auto& e) { return e.path().filename().string().starts_with("zenka-"); });
    };
    for (int i = 0; i < 1000 && working() == 0; ++i)
        std::this_thread::sleep_for(10ms);
    ASSERT_EQ(working(), 1);

    const auto began = std::chrono::steady_clock::now();
    const pid_t second = test::start_zenka(env, {}, runtime / "second.log");
    ASSERT_GT(second, 0);
    EXPECT_EQ(test::finish(second, 10s), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - began, 5s);
    const auto said = test::read_bytes(runtime / "second.log");
    EXPECT_EQ(std::string(said.begin(), said.end()),
              "zenka: another receiver is already running\n");
    EXPECT_EQ(working(), 1); // the second made no working folder

    // Switched off, cleaned up, and ended by the signal as the shell expects.
    ::kill(first, SIGTERM);
    EXPECT_EQ(test::finish(first, 10s), 128 + SIGTERM);
    EXPECT_EQ(names_in(runtime.path()),
              (std::set<std::string>{"first.log", "second.log", "zenka.lock"}));
}

TEST(PanelProgram, WithoutADisplayItSaysSoInOneLine) {
    const std::string line = "zenka: no display to show the panel on; the subcommands work "
                             "without one: zenka key --out FILE TEXT\n";
    const Ran none =
        run(std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + ZENKA_EXE);
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.out, line);
    // A display that does not answer is no display either; Qt is never left to abort.
    const Ran gone =
        run(std::string("env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:65000 ") + ZENKA_EXE);
    EXPECT_EQ(gone.status, 2);
    EXPECT_EQ(gone.out, line);
    const Ran xcb =
        run(std::string("env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY=:65000 ") + ZENKA_EXE);
    EXPECT_EQ(xcb.status, 2);
    EXPECT_EQ(xcb.out, line);
}

TEST(PanelProgram, ABadStartTimeIsAUsageError) {
    const Ran r = run(std::string(ZENKA_EXE) + " --at 2026-02-30T00:00:00Z");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    EXPECT_NE(r.out.find("--at"), std::string::npos) << r.out;
}

TEST(PanelMenu, PlainAudioIsASwitchOfTheContextMenu) {
    Rig r;
    QAction* plain = r.panel.plain_audio_action();
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(r.panel.contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_TRUE(r.panel.actions().contains(plain));
    EXPECT_EQ(plain->objectName(), QStringLiteral("plain_audio"));
    EXPECT_TRUE(plain->isCheckable());
    EXPECT_FALSE(plain->isChecked());
    EXPECT_FALSE(r.out.plain());
    plain->trigger();
    EXPECT_TRUE(r.out.plain());
    EXPECT_TRUE(r.rx.plain_audio());
    plain->trigger();
    EXPECT_FALSE(r.out.plain());
    EXPECT_FALSE(r.rx.plain_audio());
}

// The narrow CW filter and keep listening beside plain audio, both off at first.
TEST(PanelMenu, CwFilterAndKeepListeningAreSwitchesOfTheContextMenu) {
    Rig r;
    QAction* cw = r.panel.cw_filter_action();
    QAction* keep = r.panel.keep_listening_action();
    ASSERT_NE(cw, nullptr);
    ASSERT_NE(keep, nullptr);
    EXPECT_TRUE(r.panel.actions().contains(cw));
    EXPECT_TRUE(r.panel.actions().contains(keep));
    EXPECT_EQ(cw->objectName(), QStringLiteral("cw_filter"));
    EXPECT_EQ(keep->objectName(), QStringLiteral("keep_listening"));
    EXPECT_FALSE(cw->isChecked());
    EXPECT_FALSE(keep->isChecked());
    r.panel.power_on();
    r.tune(5000);
    EXPECT_FALSE(r.out.receiver().cw_filter);
    cw->trigger();
    EXPECT_TRUE(r.rx.cw_filter());
    EXPECT_TRUE(r.out.receiver().cw_filter); // at once, without a retune
    r.tune(5010);
    EXPECT_TRUE(r.out.receiver().cw_filter); // and for the retunes after
    keep->trigger();
    EXPECT_TRUE(r.rx.keep_listening());
    keep->trigger();
    EXPECT_FALSE(r.rx.keep_listening());
}

} // namespace
} // namespace zenka

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The panel is never shown on the developer's screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
