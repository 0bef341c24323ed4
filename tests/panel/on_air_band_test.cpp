// "On the air" is the whole band as the on-air query composes it for the clock's minute,
// worked out off the interface thread: every line as the query gives it, refreshed at a new
// minute and when a switch changes the band, an answer to a question no longer current left
// out, the chosen line and the line at the top kept across a refresh. Both lists filter by
// service, keying and speed.

#include "band/dispatcher.h"
#include "panel/band_rows.h"
#include "panel/band_window.h"
#include "panel/coming_up_pane.h"
#include "panel/emission_cells.h"
#include "panel/emission_filter.h"
#include "panel/on_air_pane.h"
#include "panel/receiver_strip.h"
#include "panel/settings_file.h"
#include "platform/clock.h"
#include "platform/sound/null_sound.h"
#include "shell/dial.h"
#include "shell/on_air.h"
#include "shell/panel_view.h"
#include "shell/receiver.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#undef slots // Composition::slots, no Qt keyword here

#include <chrono>
#include <functional>
#include <future>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace zenka {
namespace {

using namespace std::chrono_literals;

// A line of either list as the listener tells it from another: where, on which channel, who.
using Line = std::tuple<int, int, std::string, std::vector<std::string>>;

Line line_of(const AirRow& r) {
    return {r.freq, r.channel, r.emission.station.label, r.emission.station.calls};
}

// The receiver over the real band and its band window, at a clock the test moves.
struct Band {
    explicit Band(const char* when = "2026-12-08T09:18:07Z") : clock(*parse_utc(when)) {
        window.show();
    }
    ~Band() { window.queries().drain(); }

    OnAirQuery query() const {
        OnAirQuery q;
        q.settings = rx.settings;
        return q;
    }
    // The band's lines at the clock's instant, as the query gives them.
    std::vector<AirRow> expected() const {
        return air_rows(on_air(query(), clock.now(), kDialLowest, kDialHighest), clock.now());
    }
    const std::vector<AirRow>& listed() const { return window.on_air()->model().rows(); }
    bool comes_to_show(const std::vector<AirRow>& rows) const {
        return QTest::qWaitFor([&] { return listed() == rows; }, 30000);
    }

    test::TempFolder folder;
    FixedClock clock;
    sound::NullSound out;
    RandomSource random;
    Playout playout{out, clock, random, folder.path()};
    NoPanel view;
    Receiver rx{clock, random, playout, view, [](Air& a) { band(a); }};
    SettingsFile settings{QString::fromStdString((folder.path() / "zenka.ini").string())};
    BandWindow window{rx, clock, settings, nullptr};
};

TEST(OnAirBand, ListsEveryFrequencyAndStationTheQueryGives) {
    Band b;
    // Until the first answer comes the pane says it is on its way.
    EXPECT_EQ(b.window.on_air()->about().toStdString(),
              "Working out what is on the air over the band at 09:18 UTC...");
    EXPECT_TRUE(b.listed().empty());
    const UtcInstant now = b.clock.now();
    const std::vector<OnAir> band = on_air(b.query(), now, kDialLowest, kDialHighest);
    ASSERT_TRUE(b.comes_to_show(air_rows(band, now)));

    // Every station the query puts on the air at every frequency, and nothing else.
    std::multiset<Line> want, listed;
    std::set<std::tuple<int, std::string, std::vector<std::string>>> stations;
    for (const OnAir& o : band)
        for (const Heard& h : o.heard)
            if (h.started) {
                want.insert({o.freq, h.channel, h.station.label, h.station.calls});
                stations.emplace(o.freq, h.station.label, h.station.calls);
            }
    std::set<int> freqs;
    for (const AirRow& r : b.listed()) {
        listed.insert(line_of(r));
        freqs.insert(r.freq);
        EXPECT_EQ(r.at, now);
    }
    EXPECT_EQ(listed, want);
    EXPECT_EQ(freqs.size(), band.size());
    EXPECT_GT(band.size(), 200u);
    EXPECT_EQ(b.window.on_air()->about().toStdString(),
              "The band at 09:18 UTC: " + std::to_string(band.size()) +
                  " frequencies on the air, with " + std::to_string(stations.size()) +
                  " stations.");

    // Speed, strength and keying of each keyed line are its slot's, as a retune there
    // composes it.
    const OnAirModel& m = b.window.on_air()->model();
    int keyed = 0;
    for (int row = 0; row < m.rowCount(); ++row) {
        const AirRow& r = m.rows()[static_cast<std::size_t>(row)];
        const auto cell = [&](int column) {
            return m.index(row, column).data().toString().toStdString();
        };
        if (r.channel < 0) {
            EXPECT_EQ(cell(OnAirModel::kSpeed), "") << r.freq;
            continue;
        }
        const Composition c = compose_at(b.query(), now, r.freq, false);
        ASSERT_LT(static_cast<std::size_t>(r.channel), c.slots.size()) << r.freq;
        const Slot& slot = c.slots[static_cast<std::size_t>(r.channel)];
        EXPECT_EQ(r.emission.station, slot.station);
        EXPECT_EQ(cell(OnAirModel::kSpeed), std::to_string(slot.params.spd) + " wpm");
        EXPECT_EQ(cell(OnAirModel::kStrength), std::to_string(keyed_strength(slot.params.qsa)));
        EXPECT_EQ(cell(OnAirModel::kKeying), keying_name(keying_of(slot.params)));
        EXPECT_EQ(cell(OnAirModel::kChannel), std::to_string(r.channel));
        ++keyed;
    }
    EXPECT_GT(keyed, 200);
}

// The speed and strength of a line are its slot's as `zenka text` prints them for a retune
// there at the same instant.
TEST(OnAirBand, SpeedAndStrengthAreTheSlotsAsTheHeadlessRetunePrintsThem) {
    Band b;
    ASSERT_TRUE(b.comes_to_show(b.expected()));
    // A few frequencies of each service on the list, 500 kHz among them.
    std::map<Service, std::set<int>> picked;
    for (const AirRow& r : b.listed())
        if (r.channel >= 0 && picked[r.emission.station.service].size() < 2)
            picked[r.emission.station.service].insert(r.freq);
    picked[Service::calling_500].insert(5000);
    const std::regex slot(R"re(\{"channel": (\d+), "spd": (\d+), "ton": \d+, "qsa": (\d+))re");
    int compared = 0;
    for (const auto& [service, freqs] : picked)
        for (const int freq : freqs) {
            const test::Ran ran = test::run(test::zenka("text --json --at 2026-12-08T09:18:07Z --freq " +
                                                        dial_text(freq)),
                                            false);
            ASSERT_EQ(ran.status, 0) << ran.out;
            std::map<int, std::pair<int, int>> printed; // channel: speed, strength
            for (auto m = std::sregex_iterator(ran.out.begin(), ran.out.end(), slot);
                 m != std::sregex_iterator(); ++m)
                printed[std::stoi((*m)[1])] = {std::stoi((*m)[2]), std::stoi((*m)[3])};
            for (const AirRow& r : b.listed()) {
                if (r.freq != freq || r.channel < 0) continue;
                ASSERT_TRUE(printed.contains(r.channel)) << freq << " channel " << r.channel;
                EXPECT_EQ(r.emission.spd, printed[r.channel].first) << freq;
                EXPECT_EQ(r.emission.qsa, keyed_strength(printed[r.channel].second)) << freq;
                ++compared;
            }
        }
    EXPECT_GE(compared, 10);
}

TEST(OnAirBand, RefreshedAtANewMinuteAndWhenASwitchChangesTheBand) {
    Band b;
    ASSERT_TRUE(b.comes_to_show(b.expected()));
    b.window.queries().drain();
    // Within the minute nothing is asked again.
    b.clock.advance(30s);
    b.window.tick();
    EXPECT_EQ(b.window.queries().pending(), 0u);

    b.clock.advance(30s); // 09:19:07
    b.window.tick();
    ASSERT_TRUE(b.comes_to_show(b.expected()));
    EXPECT_TRUE(b.window.on_air()->about().startsWith(QStringLiteral("The band at 09:19 UTC: ")))
        << b.window.on_air()->about().toStdString();

    // HIST off takes the historical stations off the band.
    std::multiset<Line> with_hist;
    for (const AirRow& r : b.listed())
        with_hist.insert(line_of(r));
    b.window.strip()->switch_button(ReceiverStrip::Switch::hist)->click();
    ASSERT_EQ(b.rx.settings.hist, 0);
    const std::vector<AirRow> without = b.expected();
    std::multiset<Line> without_hist;
    for (const AirRow& r : without)
        without_hist.insert(line_of(r));
    ASSERT_NE(without_hist, with_hist);
    EXPECT_TRUE(b.comes_to_show(without));
}

TEST(OnAirBand, AnAnswerToAQuestionNoLongerAskedIsLeftOut) {
    Band b;
    ASSERT_TRUE(b.comes_to_show(b.expected()));
    QueryWorker& worker = b.window.queries();

    // The question asked last is overtaken by `overtake` before its answer is seen.
    const auto overtaken = [&](const std::function<void()>& overtake) {
        worker.drain(); // the answer is worked out and waits for this thread
        const std::vector<AirRow> before = b.listed();
        const QString about = b.window.on_air()->about();
        std::promise<void> release;
        std::shared_future<void> gate = release.get_future().share();
        // The worker is held, so that the newer question's answer cannot come first.
        worker.post(
            "hold",
            [gate](std::stop_token) {
                gate.wait();
                return 0;
            },
            [](int) {});
        overtake();
        QTest::qWait(100); // the older answer arrives here, and is not shown
        EXPECT_EQ(b.listed(), before);
        EXPECT_EQ(b.window.on_air()->about(), about);
        release.set_value();
        EXPECT_TRUE(b.comes_to_show(b.expected()));
    };
    // Asked for 09:19, and the clock is at 09:20 before the answer is seen.
    b.clock.advance(1min);
    b.window.tick();
    overtaken([&] {
        b.clock.advance(1min);
        b.window.tick();
    });
    EXPECT_TRUE(b.window.on_air()->about().startsWith(QStringLiteral("The band at 09:20 UTC: ")));

    // Asked for 09:21 with BGND on, and BGND is off before the answer is seen.
    b.clock.advance(1min);
    b.window.tick();
    overtaken([&] { b.rx.toggle_bkgnd(); });
    EXPECT_EQ(b.rx.settings.bkgnd, 0);
    EXPECT_TRUE(b.window.on_air()->about().startsWith(QStringLiteral("The band at 09:21 UTC: ")));
}

TEST(OnAirBand, TheChosenLineAndTheTopLineStayAcrossARefresh) {
    Band b;
    ASSERT_TRUE(b.comes_to_show(b.expected()));
    const OnAirPane& pane = *b.window.on_air();
    QTableView& list = *pane.table();
    // Lines that the next minute has too.
    std::set<Line> next;
    {
        OnAirQuery q = b.query();
        for (const AirRow& r :
             air_rows(on_air(q, b.clock.now() + 1min, kDialLowest, kDialHighest), b.clock.now()))
            next.insert(line_of(r));
    }
    const auto line_shown = [&](int row) {
        return line_of(
            pane.model().rows()[static_cast<std::size_t>(
                pane.shown().mapToSource(pane.shown().index(row, 0)).row())]);
    };
    int top = 40;
    while (top < pane.shown().rowCount() && !next.contains(line_shown(top)))
        ++top;
    int chosen = top + 3;
    while (chosen < pane.shown().rowCount() && !next.contains(line_shown(chosen)))
        ++chosen;
    ASSERT_LT(chosen, pane.shown().rowCount());
    list.setCurrentIndex(pane.shown().index(chosen, OnAirModel::kStation));
    list.scrollTo(pane.shown().index(top, 0), QAbstractItemView::PositionAtTop);
    const Line chosen_line = line_shown(chosen), top_line = line_shown(top);
    ASSERT_EQ(line_shown(list.indexAt(QPoint(0, 0)).row()), top_line);

    b.clock.advance(1min);
    b.window.tick();
    ASSERT_TRUE(b.comes_to_show(b.expected()));
    EXPECT_EQ(line_shown(list.currentIndex().row()), chosen_line);
    EXPECT_EQ(list.currentIndex().column(), OnAirModel::kStation);
    EXPECT_TRUE(list.selectionModel()->isRowSelected(list.currentIndex().row()));
    EXPECT_EQ(line_shown(list.indexAt(QPoint(0, 0)).row()), top_line);
}

// The lines a filter of service, keying and speed lets through, worked out apart from the
// lists: keyed lines whose speed lies in the range, of the service and keying asked for.
template <class Row> bool passes(const Row& r, const EmissionFilter& f) {
    const Emission& e = r.emission;
    const bool keyed = e.kind == Emission::Kind::keyed;
    if (f.service && e.station.service != *f.service) return false;
    if (f.keying && !(keyed && e.keying == *f.keying)) return false;
    if ((f.spd_from > 0 || f.spd_to > 0) && !keyed) return false;
    return (f.spd_from == 0 || e.spd >= f.spd_from) && (f.spd_to == 0 || e.spd <= f.spd_to);
}

// Sets the bar's controls as the listener does: picks from the lists, types the speeds.
void choose(EmissionFilterBar& bar, const EmissionFilter& f) {
    bar.service()->setCurrentIndex(
        f.service ? bar.service()->findText(qstring(service_name(*f.service))) : 0);
    bar.keying()->setCurrentIndex(
        f.keying ? bar.keying()->findText(qstring(keying_name(*f.keying))) : 0);
    for (const auto& [box, value] : {std::pair{bar.speed_from(), f.spd_from},
                                     std::pair{bar.speed_to(), f.spd_to}}) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::number(value));
        QTest::keyClick(box, Qt::Key_Return);
        ASSERT_EQ(box->value(), value);
    }
    ASSERT_EQ(bar.filter(), f);
}

std::vector<EmissionFilter> filters_to_try() {
    std::vector<EmissionFilter> out;
    for (const auto& [from, to] : std::initializer_list<std::pair<int, int>>{
             {15, 20}, {0, 12}, {25, 0}, {18, 18}, {20, 15}, {0, 0}}) {
        EmissionFilter f;
        f.spd_from = from;
        f.spd_to = to;
        out.push_back(f);
        f.keying = Keying::machine;
        f.service = Service::weather;
        out.push_back(f);
        f.keying = Keying::hand;
        f.service = Service::maritime;
        out.push_back(f);
    }
    return out;
}

TEST(OnAirBand, TheSpeedFilterShowsExactlyTheLinesInRange) {
    int in_range = 0, left_out = 0, weather = 0;
    for (const char* when : {"2026-12-08T03:12:06Z", "2026-12-08T10:20:30Z",
                             "2026-06-21T22:30:41Z"}) {
        const UtcInstant t = *parse_utc(when);
        const std::vector<AirRow> rows = air_rows(on_air(OnAirQuery{}, t, 100, 10004), t);
        OnAirPane pane;
        pane.show();
        pane.show_rows(rows, QString());
        for (const EmissionFilter& f : filters_to_try()) {
            choose(*pane.kind(), f);
            EXPECT_EQ(static_cast<const EmissionFilter&>(pane.filter()), f);
            std::multiset<Line> shown, want;
            for (int i = 0; i < pane.shown().rowCount(); ++i)
                shown.insert(line_of(pane.model().rows()[static_cast<std::size_t>(
                    pane.shown().mapToSource(pane.shown().index(i, 0)).row())]));
            for (const AirRow& r : rows)
                if (passes(r, f)) want.insert(line_of(r));
            EXPECT_EQ(shown, want) << when << " " << f.spd_from << "-" << f.spd_to;
            if (f.spd_from == 15 && f.spd_to == 20 && !f.service) {
                in_range += static_cast<int>(shown.size());
                left_out += static_cast<int>(rows.size() - shown.size());
            }
            if (f.service == Service::weather && f.spd_from == 0 && f.spd_to == 0)
                weather += static_cast<int>(shown.size());
        }
    }
    EXPECT_GT(in_range, 50);
    EXPECT_GT(left_out, 50);
    EXPECT_GT(weather, 0);
}

TEST(ComingUpFilter, ShowsExactlyTheBroadcastsOfTheServiceKeyingAndSpeed) {
    int shown_15_20 = 0, all = 0;
    for (const char* when : {"2026-12-08T10:20:30Z", "2026-06-21T16:45:12Z"}) {
        const UtcInstant t = *parse_utc(when);
        std::vector<ComingRow> rows;
        for (Coming& c : coming_up(OnAirQuery{}, t, 100, 10004, std::chrono::hours(1)))
            rows.push_back(coming_row(std::move(c)));
        all += static_cast<int>(rows.size());
        ComingUpPane pane;
        pane.show();
        pane.show_rows(rows, t, QString());
        for (const EmissionFilter& f : filters_to_try()) {
            choose(*pane.kind(), f);
            EXPECT_EQ(pane.filter(), f);
            // In time order still, and exactly the lines that pass.
            std::vector<ComingRow> shown, want;
            for (int i = 0; i < pane.shown().rowCount(); ++i)
                shown.push_back(pane.model().rows()[static_cast<std::size_t>(
                    pane.shown().mapToSource(pane.shown().index(i, 0)).row())]);
            for (const ComingRow& r : rows)
                if (passes(r, f)) want.push_back(r);
            EXPECT_EQ(shown, want) << when << " " << f.spd_from << "-" << f.spd_to;
            if (f.spd_from == 15 && f.spd_to == 20 && !f.service)
                shown_15_20 += static_cast<int>(shown.size());
        }
        // The line's cells say what the filter went by.
        for (int i = 0; i < pane.model().rowCount(); ++i) {
            const ComingRow& r = pane.model().rows()[static_cast<std::size_t>(i)];
            const auto cell = [&](int column) {
                return pane.model().index(i, column).data().toString().toStdString();
            };
            const bool keyed = r.emission.kind == Emission::Kind::keyed;
            EXPECT_EQ(cell(ComingUpModel::kSpeed),
                      keyed ? std::to_string(r.emission.spd) + " wpm" : std::string());
            EXPECT_EQ(cell(ComingUpModel::kKeying),
                      keyed ? std::string(keying_name(r.emission.keying)) : std::string());
        }
    }
    EXPECT_GT(shown_15_20, 10);
    EXPECT_GT(all, shown_15_20);
}

} // namespace
} // namespace zenka
