// The band window worked as a listener works it: a frequency typed, the wheel turned
// over the read-out, a line of the on-air list double-clicked, the switches pressed,
// the window opened and closed from the panel, and left to be found again as it was.

#include "support/utc_at.h"
#include "band/dispatcher.h"
#include "compose/air.h"
#include "compose/pass.h"
#include "panel/band_rows.h"
#include "panel/band_window.h"
#include "panel/coming_up_pane.h"
#include "panel/frequency_dial.h"
#include "panel/now_hearing_pane.h"
#include "panel/on_air_pane.h"
#include "panel/panel.h"
#include "panel/receiver_strip.h"
#include "panel/settings_file.h"
#include "platform/clock.h"
#include "platform/sound/null_sound.h"
#include "shell/dial.h"
#include "shell/receiver.h"
#include "support/temp_folder.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <gtest/gtest.h>

// Composition::slots is no Qt keyword here; this file declares no slots of its own.
#undef slots

#include <chrono>
#include <memory>
#include <set>
#include <string>

namespace zenka {
namespace {

using namespace std::chrono_literals;

using test::at;

// A station the band puts on the air at every frequency it is asked about.
StationId station_at(int freq) {
    StationId id;
    id.label = "coast_station_mf TEST/" + std::to_string(freq);
    id.calls = {"K" + std::to_string(freq), "W1AW"};
    id.service = Service::maritime;
    return id;
}

// The panel, the receiver and the band window, with a silent sound output, a fixed
// clock and a settings file of the test's own.
struct Rig {
    Rig() : Rig(std::make_unique<test::TempFolder>()) {}
    explicit Rig(std::unique_ptr<test::TempFolder> f) : folder(std::move(f)) {
        panel.attach(rx);
        panel.move(0, 0);
        panel.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
        open_window();
    }
    ~Rig() {
        window.reset();
        if (panel.isVisible()) panel.close();
    }

    void open_window() {
        settings = std::make_unique<SettingsFile>(settings_path());
        window = std::make_unique<BandWindow>(rx, clock, *settings, &panel);
        window->restore();
    }
    void reopen() {
        window.reset();
        settings.reset();
        open_window();
    }
    QString settings_path() const {
        return QString::fromStdString((folder->path() / "config" / "zenka.ini").string());
    }

    // A retune as the panel's memory recall makes one.
    void retune(int freq) {
        rx.settings.freq = freq;
        rx.dsp_freq();
    }

    ReceiverStrip& strip() const { return *window->strip(); }
    // Waits until "On the air" has the band's first answer.
    bool wait_for_band() const {
        return QTest::qWaitFor(
            [&] { return window->on_air()->about().startsWith(QStringLiteral("The band at ")); },
            30000);
    }
    QTableView& on_air() const { return *window->on_air()->table(); }

    std::unique_ptr<test::TempFolder> folder;
    FixedClock clock{at("2026-12-08T09:18:07Z")};
    sound::NullSound out;
    RandomSource random;
    Playout playout{out, clock, random, folder->path()};
    bool on_air_here = true; // the band puts a station on the air
    bool real_band = false;  // the catalogue's band instead
    int retunes = 0;
    Panel panel;
    Receiver rx{clock, random, playout, panel, [this](Air& air) {
                    ++retunes;
                    if (real_band)
                        band(air);
                    else if (on_air_here)
                        air.send_stack("CQ CQ DE K" + std::to_string(air.settings.freq) + " K");
                }};
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<BandWindow> window;
};

// What a retune composed, with the stations named as the band names them.
Composition composed_at(int freq, const std::string& text) {
    Composition c;
    c.settings.freq = freq;
    Slot s;
    s.text = text;
    s.params.spd = 18;
    s.params.qsa = 4;
    s.params.hand = 1;
    s.station = station_at(freq);
    c.slots.push_back(s);
    return c;
}

PlayReport played_for(std::uint32_t ms) {
    PlayReport p;
    p.duration_ms = {ms};
    p.meter = {4};
    return p;
}

// The receiver's start draws the first frequency without a retune: the window reads it
// at once, and asks what comes up there.
TEST(BandWindow, ShowsTheFirstFrequencyTheReceiverDraws) {
    Rig r;
    ASSERT_TRUE(r.rx.start());
    EXPECT_TRUE(r.strip().dial()->text().contains(
        QString::fromStdString(dial_text(r.rx.settings.freq))))
        << r.strip().dial()->text().toStdString();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return r.window->coming_up()->about().contains(
                QString::fromStdString(dial_text(r.rx.settings.freq)));
        },
        10000));
}

// "Coming up" is worked out off the interface thread and shows, for the tuned frequency,
// the minutes of the next day at which something comes on there, in time order.
TEST(BandWindow, ComingUpListsTheTunedFrequencysNextDay) {
    Rig r;
    r.retune(600); // 60.0 kHz: the time signals keep their hours
    const ComingUpModel& model = r.window->coming_up()->model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.rows().empty(); }, 10000));
    EXPECT_TRUE(r.window->coming_up()->about().contains(QStringLiteral("60.0 kHz")));
    UtcInstant last = r.clock.now();
    for (const ComingRow& row : model.rows()) {
        EXPECT_EQ(row.freq, 600);
        EXPECT_GE(row.at, last);
        EXPECT_LE(row.at, r.clock.now() + std::chrono::hours(24));
        EXPECT_FALSE(row.emission.station.label.empty());
        last = row.at;
    }
}

// A frequency where nothing comes on in the next day says so, and the list is empty; the
// frequency after it lists its broadcasts again.
TEST(BandWindow, ComingUpSaysSoWhenNothingComesOn) {
    Rig r;
    r.retune(6503); // 650.3 kHz: nothing all day
    const ComingUpPane& pane = *r.window->coming_up();
    const QString none = QStringLiteral("Nothing new comes on the air at 650.3 kHz in the next "
                                        "24 hours: what is heard there now is all there is.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane.about() == none; }, 10000))
        << pane.about().toStdString();
    EXPECT_TRUE(pane.model().rows().empty());
    r.retune(600);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pane.model().rows().empty(); }, 10000));
    EXPECT_EQ(pane.about(), QStringLiteral("What comes on the air at 60.0 kHz in the next 24 hours."));
}

TEST(BandWindow, TypedFrequencyTunesAndABadOneSaysWhyWithoutRetuning) {
    Rig r;
    QLineEdit* entry = r.strip().entry();
    r.window->activateWindow();
    entry->setFocus();
    QTest::keyClicks(entry, QStringLiteral("136.5"));
    const int before = r.retunes;
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(r.rx.settings.freq, 1365);
    EXPECT_EQ(r.retunes, before + 1);
    EXPECT_EQ(r.strip().dial()->text(), QStringLiteral("136.5 kHz"));
    EXPECT_TRUE(r.strip().entry_error().isEmpty());

    // Commas, a unit and blanks are what people type too.
    entry->clear();
    QTest::keyClicks(entry, QStringLiteral(" 500,5 kHz "));
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(r.rx.settings.freq, 5005);

    struct Bad {
        const char* typed;
        const char* says;
    };
    for (const Bad& b :
         {Bad{"9.9", "9.9 kHz is below the dial."}, Bad{"1000.5", "1000.5 kHz is above the dial."},
          Bad{"500.05", "between two steps"}, Bad{"five hundred", "is not a number of kHz"},
          Bad{"", "Type a frequency in kHz"}}) {
        entry->clear();
        QTest::keyClicks(entry, QString::fromLatin1(b.typed));
        const int n = r.retunes;
        QTest::keyClick(entry, Qt::Key_Return);
        EXPECT_EQ(r.rx.settings.freq, 5005) << b.typed;
        EXPECT_EQ(r.retunes, n) << b.typed;
        EXPECT_TRUE(r.strip().entry_error().contains(QString::fromLatin1(b.says)))
            << b.typed << ": " << r.strip().entry_error().toStdString();
        // A screen reader hears the reason on the field itself.
        EXPECT_EQ(entry->accessibleDescription(), r.strip().entry_error()) << b.typed;
    }
    // Typing again clears the complaint.
    QTest::keyClick(entry, Qt::Key_5);
    EXPECT_TRUE(r.strip().entry_error().isEmpty());
}

TEST(BandWindow, TheWheelOverTheReadoutTunesOneFineStepANotch) {
    Rig r;
    r.retune(1998);
    FrequencyDial* dial = r.strip().dial();
    const QPointF inside(dial->width() / 2.0, dial->height() / 2.0);
    const auto turn = [&](int delta) {
        QWheelEvent e(inside, dial->mapToGlobal(inside), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(dial, &e);
    };
    turn(120);
    EXPECT_EQ(r.rx.settings.freq, 1999);
    turn(120); // 0.1 kHz steps up to 199.9, 0.5 kHz above
    EXPECT_EQ(r.rx.settings.freq, 2000);
    turn(120);
    EXPECT_EQ(r.rx.settings.freq, 2005);
    EXPECT_EQ(dial->text(), QStringLiteral("200.5 kHz"));
    // A fine-grained wheel's parts of a notch add up to one step.
    turn(60);
    EXPECT_EQ(r.rx.settings.freq, 2005);
    turn(60);
    EXPECT_EQ(r.rx.settings.freq, 2010);
    turn(-120);
    turn(-120);
    EXPECT_EQ(r.rx.settings.freq, 2000);
    turn(-360); // a step down is the fine step of the frequency it starts from
    EXPECT_EQ(r.rx.settings.freq, 1993);

    // With the keyboard focus the read-out takes the panel's tuning keys.
    dial->setFocus();
    QTest::keyClick(dial, Qt::Key_Up);
    EXPECT_EQ(r.rx.settings.freq, 2003);
    QTest::keyClick(dial, Qt::Key_PageDown);
    EXPECT_EQ(r.rx.settings.freq, 1903);
    QTest::keyClick(dial, Qt::Key_Left);
    EXPECT_EQ(r.rx.settings.freq, 1902);
}

TEST(BandWindow, ADoubleClickOrEnterInTheOnAirListTunesThere) {
    Rig r;
    QTableView& list = r.on_air();
    ASSERT_TRUE(r.wait_for_band());
    ASSERT_GT(list.model()->rowCount(), 3);
    const auto freq_of = [&](int row) {
        return *dial_units(list.model()->index(row, OnAirModel::kFreq).data().toString().toStdString());
    };
    // Sorted by frequency as it opens.
    for (int row = 1; row < list.model()->rowCount(); ++row)
        ASSERT_LE(freq_of(row - 1), freq_of(row));
    const int first = freq_of(0), last = freq_of(list.model()->rowCount() - 1);
    ASSERT_LT(first, last);
    r.retune(first);
    // The line to tune to: one of another frequency than the first line's.
    int other = 1;
    while (freq_of(other) == first)
        ++other;

    r.window->activateWindow();
    const QRect cell = list.visualRect(list.model()->index(other, OnAirModel::kStation));
    // As a mouse sends it: a click, then the second press as a double click.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(r.rx.settings.freq, first); // one click only chooses the line
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(r.rx.settings.freq, freq_of(other));
    EXPECT_EQ(r.strip().dial()->text(),
              QString::fromStdString(dial_text(freq_of(other))) + QStringLiteral(" kHz"));

    list.setFocus();
    list.setCurrentIndex(list.model()->index(list.model()->rowCount() - 1, 0));
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(r.rx.settings.freq, last);

    // Sorted the other way by a click on the header, the same line still tunes its own
    // frequency.
    const QHeaderView* head = list.horizontalHeader();
    QTest::mouseClick(
        head->viewport(), Qt::LeftButton, Qt::NoModifier,
        QPoint(head->sectionViewportPosition(OnAirModel::kFreq) + 5, head->height() / 2));
    EXPECT_EQ(freq_of(0), last);
    list.setCurrentIndex(list.model()->index(list.model()->rowCount() - 1, 0));
    QTest::keyClick(&list, Qt::Key_Enter);
    EXPECT_EQ(r.rx.settings.freq, first);
}

TEST(BandWindow, TheOnAirListFiltersByServiceKeyingStrengthRangeAndWords) {
    Rig r;
    const auto row = [](int freq, Service s, Keying k, int qsa) {
        AirRow a;
        a.freq = freq;
        a.emission.station = station_at(freq);
        a.emission.station.service = s;
        a.emission.keying = k;
        a.emission.qsa = qsa;
        return a;
    };
    OnAirPane& pane = *r.window->on_air();
    ASSERT_TRUE(r.wait_for_band()); // the band's own answer is in, and nothing comes after
    pane.show_rows({row(1000, Service::beacon, Keying::machine, 2),
                    row(4255, Service::maritime, Keying::hand, 4),
                    row(5000, Service::calling_500, Keying::spark, 5),
                    row(5120, Service::maritime, Keying::bug, 3)},
                   QStringLiteral("four"));
    const auto shown = [&] {
        std::set<int> f;
        for (int i = 0; i < pane.shown().rowCount(); ++i)
            f.insert(pane.model()
                         .rows()[static_cast<std::size_t>(
                             pane.shown().mapToSource(pane.shown().index(i, 0)).row())]
                         .freq);
        return f;
    };
    EXPECT_EQ(shown(), (std::set<int>{1000, 4255, 5000, 5120}));
    auto* service = pane.findChild<QComboBox*>(QStringLiteral("filter_service"));
    auto* keying = pane.findChild<QComboBox*>(QStringLiteral("filter_keying"));
    auto* strength = pane.findChild<QComboBox*>(QStringLiteral("filter_strength"));
    ASSERT_TRUE(service && keying && strength);
    service->setCurrentIndex(service->findText(QStringLiteral("maritime")));
    EXPECT_EQ(shown(), (std::set<int>{4255, 5120}));
    keying->setCurrentIndex(keying->findText(QStringLiteral("bug")));
    EXPECT_EQ(shown(), (std::set<int>{5120}));
    service->setCurrentIndex(0);
    keying->setCurrentIndex(0);
    strength->setCurrentIndex(strength->findData(4));
    EXPECT_EQ(shown(), (std::set<int>{4255, 5000}));
    strength->setCurrentIndex(0);
    QTest::keyClicks(pane.search(), QStringLiteral("k5120"));
    EXPECT_EQ(shown(), (std::set<int>{5120}));
    pane.search()->clear();
    AirFilter range = pane.filter();
    range.from = 4000;
    range.to = 5000;
    pane.set_filter(range);
    EXPECT_EQ(shown(), (std::set<int>{4255, 5000}));

    // The filters, this one's and that of "Coming up", are there again the next time the
    // window opens.
    range.spd_from = 15;
    range.spd_to = 20;
    range.keying = Keying::machine;
    pane.set_filter(range);
    EmissionFilter coming;
    coming.service = Service::weather;
    coming.spd_from = 12;
    coming.spd_to = 25;
    r.window->coming_up()->set_filter(coming);
    r.window->save();
    r.reopen();
    EXPECT_EQ(r.window->on_air()->filter(), range);
    EXPECT_EQ(r.window->coming_up()->filter(), coming);
    EXPECT_EQ(r.window->coming_up()->kind()->filter(), coming);
}

TEST(BandWindow, NowHearingNamesTheStationAndShowsTheTextAsKeyed) {
    Rig r;
    const Composition c = composed_at(5120, "CQ CQ DE K5120 K");
    r.window->retuned(c, played_for(20'000));
    const NowHearingPane& hearing = *r.window->hearing();
    ASSERT_EQ(hearing.model().rowCount(), 1);
    const auto cell = [&](int column) {
        return hearing.model().index(0, column).data().toString().toStdString();
    };
    EXPECT_EQ(cell(NowHearingModel::kStation), "coast_station_mf TEST/5120");
    EXPECT_EQ(cell(NowHearingModel::kCalls), "K5120, W1AW");
    EXPECT_EQ(cell(NowHearingModel::kService), "maritime");
    EXPECT_EQ(cell(NowHearingModel::kSpeed), "18 wpm");
    EXPECT_EQ(cell(NowHearingModel::kStrength), "4");
    EXPECT_EQ(cell(NowHearingModel::kTimeLeft), "0:20");
    EXPECT_EQ(hearing.summary().toStdString(), "Hearing coast_station_mf TEST/5120, maritime.");
    // A screen reader reads the whole line at the station's cell.
    EXPECT_EQ(hearing.model()
                  .index(0, NowHearingModel::kStation)
                  .data(Qt::AccessibleTextRole)
                  .toString()
                  .toStdString(),
              "Channel 0, coast_station_mf TEST/5120, K5120, W1AW, maritime, 18 wpm, strength 4, "
              "0:20 left");
    EXPECT_EQ(hearing.shown_text().toStdString(), "CQ CQ DE K5120 K");

    // Time left follows the clock.
    r.clock.advance(12'400ms);
    r.window->tick();
    EXPECT_EQ(cell(NowHearingModel::kTimeLeft), "0:08");
    r.clock.advance(8s);
    r.window->tick();
    EXPECT_EQ(cell(NowHearingModel::kTimeLeft), "ended");

    // The switch hides the text for copying by ear, and brings it back.
    QCheckBox* text = r.window->hearing()->text_switch();
    QTest::mouseClick(text, Qt::LeftButton, Qt::NoModifier, QPoint(8, text->height() / 2));
    EXPECT_FALSE(r.window->hearing()->text_shown());
    EXPECT_TRUE(hearing.shown_text().isEmpty());
    EXPECT_FALSE(r.window->findChild<QPlainTextEdit*>(QStringLiteral("keyed_text"))->isVisible());
    QTest::keyClick(r.window->windowHandle(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(r.window->hearing()->text_shown());
    EXPECT_EQ(hearing.shown_text().toStdString(), "CQ CQ DE K5120 K");
}

// Over the real band: each line of Now hearing names the station that the same retune
// composed headless, as `zenka text` composes it, and its calls are keyed in its text.
TEST(BandWindow, NowHearingNamesTheStationTheHeadlessRetuneNames) {
    Rig r;
    r.real_band = true;
    r.clock.set(at("2026-12-08T06:13:02Z"));
    int lines = 0, named = 0;
    for (int f = 100; f <= 10004 && lines < 60; f += 7) {
        RandomSource same = r.random; // the state the retune starts from
        const Composition headless = compose(
            r.clock, same,
            [&] {
                ReceiverSettings s = r.rx.settings;
                s.freq = f;
                s.scan = 0;
                return s;
            }(),
            [](Air& a) { band(a); });
        r.rx.tune(f);
        const NowHearingModel& m = r.window->hearing()->model();
        for (int row = 0; row < m.rowCount(); ++row) {
            const HearingRow& h = m.rows()[static_cast<std::size_t>(row)];
            if (h.emission.kind != Emission::Kind::keyed) continue;
            ++lines;
            ASSERT_LT(static_cast<std::size_t>(h.channel), headless.slots.size()) << f;
            const StationId& want = headless.slots[static_cast<std::size_t>(h.channel)].station;
            EXPECT_EQ(h.emission.station, want) << f;
            const QString station = m.index(row, NowHearingModel::kStation).data().toString();
            if (!want.label.empty()) {
                ++named;
                EXPECT_TRUE(station.startsWith(QString::fromStdString(want.label)))
                    << f << ": " << station.toStdString();
            }
            for (const std::string& call : want.calls)
                EXPECT_NE(h.text.find(call), std::string::npos) << f << " " << call;
        }
    }
    EXPECT_GE(lines, 20);
    EXPECT_EQ(named, lines); // every keyed slot of the band names its station
}

TEST(BandWindow, TheTextShownAtAMomentIsWhatHasBeenKeyedByThen) {
    Rig r;
    // When each character starts, as the keyer times them.
    HearingRow row;
    row.emission.station = station_at(5000);
    row.channel = 0;
    row.duration_ms = 3000;
    row.text = "CQ DE";
    row.keyed_ms = {0, 400, 800, 900, 1400};
    r.window->hearing()->show_rows({row});
    for (const auto& [ms, shown] : std::initializer_list<std::pair<std::uint32_t, const char*>>{
             {0, "C"}, {399, "C"}, {400, "CQ"}, {899, "CQ "}, {900, "CQ D"}, {2000, "CQ DE"}}) {
        r.window->hearing()->show_elapsed(ms);
        EXPECT_EQ(r.window->hearing()->shown_text().toStdString(), shown) << ms;
    }
}

TEST(BandWindow, CarriersAndRecordingsAreNamed) {
    Rig r;
    Composition c;
    c.settings.freq = 2500;
    SoundRequest carrier;
    carrier.kind = SoundRequest::Kind::Carrier;
    carrier.qsa = 3;
    carrier.started = true;
    carrier.station.label = "background broadcast 250.0";
    carrier.station.service = Service::background;
    SoundRequest rtty;
    rtty.name = "fone/rtt-002.wav";
    rtty.started = true;
    SoundRequest later = carrier; // a second carrier finds the first sounding
    later.started = false;
    c.sounds = {carrier, rtty, later};
    r.window->retuned(c, {});
    const NowHearingModel& m = r.window->hearing()->model();
    ASSERT_EQ(m.rowCount(), 2);
    EXPECT_EQ(m.index(0, NowHearingModel::kChannel).data().toString(), QStringLiteral("carrier"));
    EXPECT_EQ(m.index(0, NowHearingModel::kStation).data().toString(),
              QStringLiteral("carrier (background broadcast 250.0)"));
    EXPECT_EQ(m.index(0, NowHearingModel::kTimeLeft).data().toString(), QStringLiteral("steady"));
    EXPECT_EQ(m.index(1, NowHearingModel::kChannel).data().toString(), QStringLiteral("recording"));
    EXPECT_EQ(m.index(1, NowHearingModel::kStation).data().toString(),
              QStringLiteral("teleprinter, 75 baud, 850 Hz shift"));
}

TEST(BandWindow, EverySwitchIsShownInWordsAndWorksAsOnThePanel) {
    Rig r;
    using S = ReceiverStrip::Switch;
    struct Case {
        S which;
        const char* before;
        const char* after;
        int ReceiverSettings::*field;
    };
    for (const Case& c : {Case{S::att, "ATT: off", "ATT: on", &ReceiverSettings::att},
                          Case{S::hist, "HIST: on", "HIST: off", &ReceiverSettings::hist},
                          Case{S::clips, "CLIP: on", "CLIP: off", &ReceiverSettings::clips},
                          Case{S::bkgnd, "BGND: on", "BGND: off", &ReceiverSettings::bkgnd},
                          Case{S::qrn, "QRN: on", "QRN: off", &ReceiverSettings::qrn},
                          Case{S::sampling, "SMPL: 4, normal pitch", "SMPL: 3, lower pitch",
                               &ReceiverSettings::sampling},
                          Case{S::scan, "SCAN: off", "SCAN: on", &ReceiverSettings::scan}}) {
        QPushButton* b = r.strip().switch_button(c.which);
        EXPECT_EQ(b->text().toStdString(), c.before);
        const int was = r.rx.settings.*c.field;
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_NE(r.rx.settings.*c.field, was) << c.after;
        EXPECT_EQ(b->text().toStdString(), c.after);
        EXPECT_FALSE(b->accessibleName().isEmpty());
    }
    // The panel's own button shows in the window at once.
    QPushButton* att = r.strip().switch_button(S::att);
    r.rx.toggle_att();
    EXPECT_EQ(att->text().toStdString(), "ATT: off");
    EXPECT_EQ(att->accessibleName().toStdString(), "Attenuator off");
    QPushButton* filter = r.strip().switch_button(S::filter);
    const std::string wide = filter->text().toStdString();
    QTest::mouseClick(filter, Qt::LeftButton);
    EXPECT_NE(filter->text().toStdString(), wide);
    EXPECT_TRUE(filter->text().startsWith(QStringLiteral("FLT")));
    // Keys switch them too.
    r.window->activateWindow();
    QTest::keyClick(r.window->windowHandle(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(att->text().toStdString(), "ATT: on");
}

TEST(BandWindow, TheSMeterFollowsTheRetune) {
    Rig r;
    Composition c = composed_at(5000, "CQ");
    PlayReport p = played_for(5000);
    p.meter = {1, 3, 5};
    r.window->retuned(c, p);
    auto* meter = r.window->findChild<QWidget*>(QStringLiteral("smeter"));
    ASSERT_NE(meter, nullptr);
    EXPECT_EQ(meter->property("value").toInt(), 5);
    p.meter = {};
    r.window->retuned(c, p);
    EXPECT_EQ(meter->property("value").toInt(), 0);
}

// Every control the keyboard reaches has a name a screen reader says.
TEST(BandWindow, EveryControlIsReachedByTabAndHasAnAccessibleName) {
    Rig r;
    r.window->activateWindow();
    QApplication::setActiveWindow(r.window.get());
    r.strip().entry()->setFocus();
    std::set<QWidget*> seen;
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    for (int i = 0; i < 200 && !seen.contains(w); ++i) {
        seen.insert(w);
        EXPECT_FALSE(w->accessibleName().isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
    }
    std::set<std::string> names;
    for (QWidget* x : seen)
        names.insert(x->objectName().toStdString());
    for (const char* needed : {"frequency", "entry", "switch_att", "switch_scan", "hearing_table",
                               "text_switch", "on_air_table", "filter_service", "filter_keying",
                               "filter_strength", "filter_words", "filter_speed_from",
                               "filter_speed_to", "coming_service", "coming_keying",
                               "coming_speed_from", "coming_speed_to", "coming_table"})
        EXPECT_TRUE(names.contains(needed)) << needed;

    // The read-out says the frequency as its value.
    r.retune(5005);
    QAccessibleInterface* dial = QAccessible::queryAccessibleInterface(r.strip().dial());
    ASSERT_NE(dial, nullptr);
    EXPECT_EQ(dial->text(QAccessible::Value), QStringLiteral("500.5 kHz"));
    EXPECT_EQ(dial->role(), QAccessible::Dial);
}

TEST(BandWindow, OpensFromThePanelsMenuAndKeysAndNeverCoversThePanel) {
    Rig r;
    // Open at the first start, without taking the keyboard from the panel.
    EXPECT_TRUE(r.window->isVisible());
    EXPECT_FALSE(r.window->frameGeometry().intersects(r.panel.frameGeometry()))
        << "window at " << r.window->frameGeometry().x() << "," << r.window->frameGeometry().y();
    QAction* menu = nullptr;
    for (QAction* a : r.panel.actions())
        if (a->text() == QStringLiteral("Band window")) menu = a;
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(r.panel.contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_TRUE(menu->isChecked());
    menu->trigger();
    EXPECT_FALSE(r.window->isVisible());
    EXPECT_FALSE(menu->isChecked());
    menu->trigger();
    EXPECT_TRUE(r.window->isVisible());

    // Ctrl+B on the panel, and on the window itself.
    r.panel.activateWindow();
    QTest::keyClick(r.panel.windowHandle(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(r.window->isVisible());
    QTest::keyClick(r.panel.windowHandle(), Qt::Key_F2);
    EXPECT_TRUE(r.window->isVisible());
    QTest::keyClick(r.window->windowHandle(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(r.window->isVisible());
}

TEST(BandWindow, IsFoundAgainAsTheUserLeftIt) {
    auto folder = std::make_unique<test::TempFolder>();
    Rig r(std::move(folder));
    ASSERT_TRUE(r.window->isVisible());
    r.window->hearing()->set_text_shown(false);
    r.window->coming_up()->set_scope(ComingUpPane::Scope::band_hour);
    r.window->tools()->setCurrentIndex(2);
    const QString tool = r.window->tools()->currentWidget()->objectName();
    const QRect moved(r.panel.frameGeometry().topRight() + QPoint(30, 10),
                      r.window->minimumSizeHint() + QSize(40, 20));
    r.window->setGeometry(moved);
    r.window->save();
    const QRect left = r.window->frameGeometry();
    r.reopen();
    EXPECT_TRUE(r.window->isVisible());
    EXPECT_EQ(r.window->frameGeometry(), left);
    EXPECT_FALSE(r.window->hearing()->text_shown());
    EXPECT_EQ(r.window->coming_up()->scope(), ComingUpPane::Scope::band_hour);
    EXPECT_EQ(r.window->tools()->currentWidget()->objectName(), tool);
    EXPECT_EQ(tool, QStringLiteral("copy_practice"));

    // Closed by its close box, it stays closed at the next start.
    r.window->close();
    r.reopen();
    EXPECT_FALSE(r.window->isVisible());
    EXPECT_FALSE(r.window->toggle_action()->isChecked());
    // One settings file, where the environment says.
    EXPECT_TRUE(QFile::exists(r.settings_path()));
    EXPECT_TRUE(SettingsFile::default_path().endsWith(QStringLiteral("/zenka/zenka.conf")));
}

// The manual page tells of every key the window has, and F1 lists every one of them.
TEST(BandWindow, TheManualAndTheKeysListTellOfEveryKey) {
    Rig r;
    QFile manual(QStringLiteral(ZENKA_MANUAL));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString page =
        QString::fromUtf8(manual.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    ASSERT_TRUE(page.contains(QStringLiteral(".SH \"THE BAND WINDOW\"")));
    const QString help = r.window->keys_help();
    int keys = 0;
    for (const QAction* a : r.window->actions()) {
        for (const QKeySequence& k : a->shortcuts()) {
            const QString name = k.toString(QKeySequence::PortableText);
            EXPECT_TRUE(page.contains(name)) << name.toStdString() << " is not in the page";
            EXPECT_TRUE(help.contains(name)) << name.toStdString() << " is not in the list";
            ++keys;
        }
    }
    EXPECT_GE(keys, 18);
}

TEST(BandWindow, ADamagedSettingsFileIsKeptAsideAndSaidSo) {
    test::TempFolder folder;
    std::filesystem::create_directories(folder.path() / "config");
    const QString path = QString::fromStdString((folder.path() / "config" / "zenka.ini").string());
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[band_window\nopen=\x01\x02\n[[[");
    }
    SettingsFile s(path);
    const bool damaged = !s.problem().isEmpty();
    if (damaged) {
        EXPECT_TRUE(s.problem().contains(QStringLiteral("is kept as zenka.ini.damaged-")))
            << s.problem().toStdString();
        EXPECT_EQ(test::names_in(folder.path() / "config").size(), 1u);
    }
    // Damaged or not, nothing in it opens a window off the screen or breaks a read.
    const BandWindowState st = read_band_window(s.settings());
    EXPECT_TRUE(st.open);
    EXPECT_FALSE(st.place.has_value());
}

TEST(BandWindow, TheSettingsFileReadsNonsenseAsTheDefaults) {
    test::TempFolder folder;
    const QString path = QString::fromStdString((folder.path() / "zenka.ini").string());
    {
        QSettings s(path, QSettings::IniFormat);
        s.beginGroup(QStringLiteral("band_window"));
        s.setValue(QStringLiteral("open"), QStringLiteral("perhaps"));
        s.setValue(QStringLiteral("place"), QRect(0, 0, -5, 99999999));
        s.setValue(QStringLiteral("text_shown"), QStringLiteral("0"));
        s.setValue(QStringLiteral("filter/service"), QStringLiteral("pirates"));
        s.setValue(QStringLiteral("filter/keying"), QStringLiteral("bug"));
        s.setValue(QStringLiteral("filter/strength"), 9);
        s.setValue(QStringLiteral("filter/from"), 50);
        s.setValue(QStringLiteral("filter/to"), 4000);
        s.setValue(QStringLiteral("filter/speed_from"), QStringLiteral("fast"));
        s.setValue(QStringLiteral("filter/speed_to"), 30);
        s.setValue(QStringLiteral("coming_up"), QStringLiteral("band"));
        s.setValue(QStringLiteral("coming_filter/keying"), QStringLiteral("spark"));
        s.setValue(QStringLiteral("coming_filter/speed_from"), -4);
        s.setValue(QStringLiteral("coming_filter/speed_to"), 100000);
        s.endGroup();
    }
    SettingsFile file(path);
    EXPECT_TRUE(file.problem().isEmpty());
    const BandWindowState st = read_band_window(file.settings());
    EXPECT_TRUE(st.open);
    EXPECT_FALSE(st.place.has_value());
    EXPECT_FALSE(st.text_shown);
    EXPECT_FALSE(st.filter.service.has_value());
    EXPECT_EQ(st.filter.keying, Keying::bug);
    EXPECT_EQ(st.filter.min_qsa, 0);
    EXPECT_EQ(st.filter.from, 100);
    EXPECT_EQ(st.filter.to, 4000);
    EXPECT_EQ(st.filter.spd_from, 0);
    EXPECT_EQ(st.filter.spd_to, 30);
    EXPECT_EQ(st.scope, ComingUpPane::Scope::band_hour);
    EXPECT_EQ(st.coming_filter.keying, Keying::spark);
    EXPECT_FALSE(st.coming_filter.service.has_value());
    EXPECT_EQ(st.coming_filter.spd_from, 0);
    EXPECT_EQ(st.coming_filter.spd_to, 0);
}

} // namespace
} // namespace zenka

namespace zenka {
namespace {

// Over the real band the text of every line of "Now hearing" has a moment for each of its
// characters, from the keying as it was played: never earlier than the one before, never
// after the channel ends, and all of the text keyed once the channel has ended.
TEST(NowHearingTimes, EveryCharacterHasTheMomentItsKeyWentDown) {
    test::TempFolder folder;
    FixedClock clock(*parse_utc("2026-12-08T22:07:00Z"));
    RandomSource random;
    sound::NullSound out;
    Playout playout(out, clock, random, folder.path());
    NoPanel view;
    Receiver rx(clock, random, playout, view, [](Air& a) { band(a); });
    int lines = 0;
    for (int freq = 4700; freq <= 5200; freq += 5) {
        rx.settings.freq = freq;
        rx.dsp_freq();
        for (const HearingRow& row : hearing_rows(rx.last(), rx.last_play())) {
            if (row.channel < 0) continue;
            ASSERT_EQ(row.keyed_ms.size(), row.text.size()) << freq;
            for (std::size_t i = 1; i < row.keyed_ms.size(); ++i)
                ASSERT_LE(row.keyed_ms[i - 1], row.keyed_ms[i]) << freq << " at " << i;
            if (!row.keyed_ms.empty()) {
                EXPECT_LE(row.keyed_ms.back(), row.duration_ms) << freq;
            }
            EXPECT_EQ(keyed_by(row, row.duration_ms), row.text.size()) << freq;
            ++lines;
        }
        playout.stop_all();
    }
    EXPECT_GT(lines, 20);
}

} // namespace
} // namespace zenka
