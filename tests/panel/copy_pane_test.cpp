// Copy practice in the band window, worked as a learner works it: a station tuned, the copy
// started and typed by ear, scored on demand, at the end of the emission and at a retune,
// and the practice log found again with its summary after a restart.

#include "panel/band_window.h"
#include "panel/copy_pane.h"
#include "panel/now_hearing_pane.h"
#include "panel/practice_chart.h"
#include "panel/settings_file.h"
#include "platform/clock.h"
#include "platform/sound/null_sound.h"
#include "shell/panel_view.h"
#include "shell/receiver.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

// Composition::slots is no Qt keyword here; this file declares no slots of its own.
#undef slots

#include <algorithm>
#include <chrono>
#include <memory>
#include <set>
#include <string>

namespace zenka {
namespace {

using namespace std::chrono_literals;

// Two stations at every frequency: a weak one on channel 0, a strong one on channel 1.
void two_stations(Air& a) {
    const auto keyed = [&](int spd, int qsa, const std::string& text, const char* label) {
        a.spd = spd;
        a.qsa = qsa;
        a.ton = 800;
        a.hand = a.rto = a.spark = a._f1 = a.katokana = a.sz = 0;
        const int k = a.open_slot;
        a.send_stack(text);
        a.slot_station[static_cast<std::size_t>(k)].label = label;
        a.slot_station[static_cast<std::size_t>(k)].calls = {"K" + std::to_string(a.settings.freq)};
    };
    keyed(14, 2, "VVV VVV DE DAN", "test weak");
    keyed(20, 5, "CQ CQ DE K" + std::to_string(a.settings.freq) + " PSE QSL K", "test strong");
}

// The receiver and the band window alone, a fixed clock, no sound, and the settings and the
// practice log in a folder of the test's own that outlives a restart of the window.
struct CopyRig {
    explicit CopyRig(void (*stations)(Air&) = two_stations) : rx(clock, random, playout, view, stations) {
        open();
    }
    ~CopyRig() { window.reset(); }

    void open() {
        settings = std::make_unique<SettingsFile>(
            QString::fromStdString((folder.path() / "zenka.conf").string()));
        BandWindowServices services;
        services.practice_log = log_file();
        window = std::make_unique<BandWindow>(rx, clock, *settings, nullptr, services);
        window->restore();
        window->activateWindow();
    }
    void restart() {
        window.reset();
        settings.reset();
        open();
    }
    std::filesystem::path log_file() const { return folder.path() / "data" / "practice.tsv"; }

    void tune(int freq) {
        rx.settings.freq = freq;
        rx.dsp_freq();
        tuned = clock.now();
    }
    // Time passes and the window follows it.
    void wait(std::chrono::milliseconds ms) {
        clock.advance(ms);
        window->tick();
    }
    void key(Qt::Key k) { QTest::keyClick(window->windowHandle(), k, Qt::ControlModifier); }

    CopyPane& copy() const { return *window->copy(); }
    // The strong station's line of Now hearing.
    const HearingRow& strong() const { return window->hearing()->model().rows().at(1); }
    std::uint32_t elapsed() const { return static_cast<std::uint32_t>((clock.now() - tuned).count()); }

    test::TempFolder folder;
    FixedClock clock{*parse_utc("2026-12-09T10:20:00Z")};
    UtcInstant tuned = clock.now();
    sound::NullSound out;
    RandomSource random;
    Playout playout{out, clock, random, folder.path()};
    NoPanel view;
    Receiver rx;
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<BandWindow> window;
};

// The characters of a text, blanks left out.
int characters(const std::string& s) {
    return static_cast<int>(std::count_if(s.begin(), s.end(), [](char c) { return c != ' '; }));
}

// What the strong station has keyed by now, with the `i`th character that is no blank
// taken out (`drop`) or changed for another letter.
std::string keyed_so_far(const CopyRig& r, int i = -1, bool drop = false) {
    std::string s = r.strong().text.substr(0, keyed_by(r.strong(), r.elapsed()));
    if (i < 0) return s;
    for (std::size_t at = 0; at < s.size(); ++at) {
        if (s[at] == ' ' || i-- > 0) continue;
        if (drop)
            s.erase(at, 1);
        else
            s[at] = s[at] == 'E' ? 'T' : 'E';
        break;
    }
    return s;
}

QString lower(const std::string& s) {
    return QString::fromStdString(s).toLower();
}

TEST(CopyPane, ACopyTypedByEarIsScoredAndKept) {
    CopyRig r;
    r.tune(5120);
    NowHearingPane& hearing = *r.window->hearing();
    ASSERT_EQ(hearing.model().rowCount(), 2);
    ASSERT_TRUE(hearing.text_shown());

    // Ctrl+P starts on the strongest channel and hides its text, whatever the switch says.
    r.key(Qt::Key_P);
    EXPECT_EQ(r.copy().copying_channel(), 1);
    EXPECT_TRUE(r.copy().field()->hasFocus());
    hearing.table()->selectRow(1);
    r.wait(8000ms);
    EXPECT_TRUE(hearing.shown_text().isEmpty());
    const auto* keyed_text = r.window->findChild<QPlainTextEdit*>(QStringLiteral("keyed_text"));
    EXPECT_FALSE(keyed_text->toPlainText().contains(QStringLiteral("CQ")));
    // The other channel's text is still shown.
    hearing.table()->selectRow(0);
    EXPECT_TRUE(hearing.shown_text().startsWith(QStringLiteral("VVV")));

    // Typed in lower case, taken as capitals; scored with Ctrl+Return.
    const std::string all = keyed_so_far(r);
    ASSERT_GE(characters(all), 6);
    QTest::keyClicks(r.copy().field(), lower(all));
    EXPECT_EQ(r.copy().field()->toPlainText().toStdString(), all);
    r.key(Qt::Key_Return);
    const int n = characters(all);
    EXPECT_EQ(r.copy().figures().toStdString(),
              "Error rate 0.0%: " + std::to_string(n) + " of " + std::to_string(n) +
                  " keyed characters right, 0 wrong, 0 missed, 0 extra; " + std::to_string(n) +
                  " characters copied.");
    EXPECT_EQ(r.copy().station().toStdString(),
              "test strong (K5120): 20 wpm, machine keying, strength 5, on 512.0 kHz.");
    EXPECT_EQ(r.copy().copying_channel(), -1);
    EXPECT_TRUE(r.copy().field()->isReadOnly());
    hearing.table()->selectRow(1);
    EXPECT_EQ(hearing.shown_text().toStdString(), keyed_so_far(r)); // shown again

    // One character dropped, then one changed: the figures say exactly that.
    struct Case {
        bool drop;
        const char* marks;
    };
    for (const Case c : {Case{true, "-"}, Case{false, "x"}}) {
        r.tune(5120);
        QTest::mouseClick(r.copy().start_button(), Qt::LeftButton);
        ASSERT_EQ(r.copy().copying_channel(), 1);
        r.wait(9000ms);
        const std::string typed = keyed_so_far(r, 3, c.drop);
        const int keyed = characters(keyed_so_far(r));
        QTest::keyClicks(r.copy().field(), QString::fromStdString(typed));
        QTest::mouseClick(r.copy().score_button(), Qt::LeftButton);
        const QString rate = QString::number(100.0 / keyed, 'f', 1);
        EXPECT_EQ(r.copy().figures(),
                  QStringLiteral("Error rate %1%: %2 of %3 keyed characters right, %4 wrong, %5 "
                                 "missed, 0 extra; %6 characters copied.")
                      .arg(rate)
                      .arg(keyed - 1)
                      .arg(keyed)
                      .arg(c.drop ? 0 : 1)
                      .arg(c.drop ? 1 : 0)
                      .arg(c.drop ? keyed - 1 : keyed));
        // The one mark, readable without colour.
        const QString text = r.copy().result_text();
        const QString marks = text.section(QLatin1Char('\n'), 2, 2);
        EXPECT_EQ(marks.simplified(), QStringLiteral("Marks ") + QLatin1String(c.marks))
            << text.toStdString();
    }

    // Every copy is in the log, and the summary counts them.
    const PracticeLog& log = *r.copy().log();
    ASSERT_EQ(log.attempts().size(), 3u);
    const PracticeAttempt& first = log.attempts().front();
    EXPECT_EQ(first.station, "test strong");
    EXPECT_EQ(first.calls, std::vector<std::string>{"K5120"});
    EXPECT_EQ(first.freq, 5120);
    EXPECT_EQ(first.spd, 20);
    EXPECT_EQ(first.qsa, 5);
    EXPECT_EQ(first.keying, Keying::machine);
    EXPECT_EQ(first.keyed, n);
    EXPECT_EQ(first.copied, n);
    EXPECT_EQ(first.error_rate(), 0.0);
    EXPECT_EQ(r.copy().chart()->summary().all.attempts, 3);
    EXPECT_TRUE(r.copy().summary().startsWith(QStringLiteral("3 copies, ")))
        << r.copy().summary().toStdString();

    // After a restart the log and its summary are there as they were.
    const std::vector<PracticeAttempt> kept = log.attempts();
    const QString summary = r.copy().summary();
    r.restart();
    ASSERT_NE(r.copy().log(), nullptr);
    EXPECT_EQ(r.copy().log()->attempts(), kept);
    EXPECT_EQ(r.copy().summary(), summary);
    EXPECT_EQ(r.copy().chart()->summary().by_speed[3].attempts, 3); // 20-24 wpm
    EXPECT_TRUE(r.copy().news().isEmpty()) << r.copy().news().toStdString();
}

TEST(CopyPane, TheEndOfTheEmissionOrARetuneScoresTheCopy) {
    CopyRig r;
    r.tune(5005);
    r.key(Qt::Key_P);
    ASSERT_EQ(r.copy().copying_channel(), 1);
    // The whole emission, copied while it plays: scored when it ends.
    const std::string whole = r.strong().text;
    QTest::keyClicks(r.copy().field(), QString::fromStdString(whole));
    r.wait(std::chrono::milliseconds(r.strong().duration_ms - 1));
    EXPECT_EQ(r.copy().copying_channel(), 1);
    r.wait(1ms);
    EXPECT_EQ(r.copy().copying_channel(), -1);
    EXPECT_TRUE(r.copy().status().startsWith(QStringLiteral("The emission ended. ")))
        << r.copy().status().toStdString();
    ASSERT_TRUE(r.copy().last_score().has_value());
    EXPECT_EQ(r.copy().last_score()->sent, characters(whole));
    EXPECT_EQ(r.copy().last_score()->right, characters(whole));

    // A retune ends the copy and scores what was keyed until then.
    r.tune(5005);
    r.key(Qt::Key_P);
    r.wait(3000ms);
    const std::string part = keyed_so_far(r);
    QTest::keyClicks(r.copy().field(), QString::fromStdString(part));
    r.tune(5010);
    EXPECT_EQ(r.copy().copying_channel(), -1);
    EXPECT_TRUE(r.copy().status().startsWith(QStringLiteral("Retuned. Copy of channel 1 scored.")))
        << r.copy().status().toStdString();
    EXPECT_EQ(r.copy().last_score()->sent, characters(part));
    EXPECT_EQ(r.copy().last_score()->right, characters(part));
    EXPECT_EQ(r.copy().log()->attempts().size(), 2u);

    // Nothing typed: nothing scored or kept.
    r.key(Qt::Key_P);
    r.wait(2000ms);
    r.key(Qt::Key_Return);
    EXPECT_EQ(r.copy().status().toStdString(), "Nothing was typed: the copy is not scored.");
    EXPECT_EQ(r.copy().log()->attempts().size(), 2u);
    // Score now with no copy running says how to start one.
    r.copy().score_now();
    EXPECT_EQ(r.copy().status().toStdString(), "No copy to score: start copying first (Ctrl+P).");
}

TEST(CopyPane, AChannelChosenIsCopiedAndAnEndedOneIsNot) {
    CopyRig r;
    r.tune(4255);
    QComboBox* chooser = r.copy().chooser();
    ASSERT_EQ(chooser->count(), 3);
    EXPECT_EQ(chooser->currentText(), QStringLiteral("The strongest"));
    EXPECT_EQ(chooser->itemText(1), QStringLiteral("Channel 0: 14 wpm, machine keying, strength 2"));
    chooser->setCurrentIndex(1);
    r.copy().start();
    EXPECT_EQ(r.copy().copying_channel(), 0);
    EXPECT_FALSE(chooser->isEnabled());
    r.tune(4255); // nothing typed: ended without a score
    const std::uint32_t weak = r.window->hearing()->model().rows().at(0).duration_ms;
    r.wait(std::chrono::milliseconds(weak));
    chooser->setCurrentIndex(1);
    r.copy().start();
    EXPECT_EQ(r.copy().copying_channel(), -1);
    EXPECT_EQ(r.copy().status().toStdString(),
              "Channel 0 has ended: nothing more is keyed there to copy.");
    EXPECT_TRUE(r.copy().log()->attempts().empty());
}

TEST(CopyPane, TheCopyIsTakenInCapitalsExceptForKana) {
    CopyRig r;
    r.tune(5120);
    r.key(Qt::Key_P);
    QTest::keyClicks(r.copy().field(), QStringLiteral("cq de"));
    QGuiApplication::clipboard()->setText(QStringLiteral(" k5120 k"));
    r.copy().field()->paste();
    EXPECT_EQ(r.copy().field()->toPlainText(), QStringLiteral("CQ DE K5120 K"));

    // A station keying kana: the lower case stands for its signs and stays as typed.
    CopyRig kana([](Air& a) {
        a.spd = 12;
        a.qsa = 3;
        a.ton = 700;
        a.hand = a.rto = a.spark = a._f1 = a.sz = 0;
        a.katokana = 1;
        a.send_stack("iroha");
    });
    kana.tune(4000);
    kana.key(Qt::Key_P);
    ASSERT_EQ(kana.copy().copying_channel(), 0);
    EXPECT_TRUE(kana.copy().status().contains(QStringLiteral("lower case stands for the kana")));
    QTest::keyClicks(kana.copy().field(), QStringLiteral("iroha"));
    EXPECT_EQ(kana.copy().field()->toPlainText(), QStringLiteral("iroha"));
    kana.wait(std::chrono::milliseconds(kana.window->hearing()->model().rows().at(0).duration_ms));
    ASSERT_TRUE(kana.copy().last_score().has_value());
    EXPECT_EQ(kana.copy().last_score()->sent, 5);
    EXPECT_EQ(kana.copy().last_score()->right, 5);
}

// The pane's controls are reached with Tab, while copying too, and a screen reader names each.
TEST(CopyPane, EveryControlIsReachedByTabAndNamed) {
    CopyRig r;
    r.tune(5120);
    QApplication::setActiveWindow(r.window.get());
    r.window->tools()->setCurrentWidget(&r.copy());
    const auto reached = [&] {
        std::set<std::string> names;
        r.copy().chooser()->setFocus();
        QWidget* w = QApplication::focusWidget();
        for (int i = 0; i < 200 && w != nullptr && !names.contains(w->objectName().toStdString());
             ++i) {
            names.insert(w->objectName().toStdString());
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
            QTest::keyClick(w, Qt::Key_Tab);
            w = QApplication::focusWidget();
        }
        return names;
    };
    std::set<std::string> names = reached();
    for (const char* needed : {"copy_channel", "copy_start", "copy_field", "copy_result"})
        EXPECT_TRUE(names.contains(needed)) << needed;
    EXPECT_FALSE(names.contains("copy_score")); // nothing to score yet
    r.copy().start();
    names = reached();
    for (const char* needed : {"copy_score", "copy_field", "copy_result"})
        EXPECT_TRUE(names.contains(needed)) << needed;
    EXPECT_FALSE(r.copy().chart()->accessibleDescription().isEmpty());
}

TEST(CopyPane, ADamagedLogIsKeptAsideAndSaidSo) {
    CopyRig r;
    r.window.reset();
    std::filesystem::create_directories(r.log_file().parent_path());
    test::write_text(r.log_file(), "not a practice log\n");
    r.open();
    EXPECT_EQ(r.copy().news().toStdString(),
              "Practice log file " + r.log_file().string() +
                  " is damaged (line 1: not an attempt (14 fields separated by tabs)); it is "
                  "kept as practice.tsv.damaged-20261209T102000Z and a fresh one is started");
    EXPECT_TRUE(r.copy().log()->attempts().empty());
    EXPECT_EQ(r.copy().summary().section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("No copy scored yet."));
}

} // namespace
} // namespace zenka
