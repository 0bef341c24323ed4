// Bookmarks and the station directory in the band window, worked as a listener works
// them: a bookmark made from what is heard and found again after a restart, a line of the
// lists bookmarked, an export read back, a damaged file set aside, a station looked up
// and tuned to.

#include "band/dispatcher.h"
#include "compose/air.h"
#include "panel/band_window.h"
#include "panel/bookmark_dialog.h"
#include "panel/bookmarks_pane.h"
#include "panel/coming_up_pane.h"
#include "panel/directory_pane.h"
#include "panel/on_air_pane.h"
#include "panel/panel.h"
#include "panel/settings_file.h"
#include "platform/clock.h"
#include "platform/sound/null_sound.h"
#include "shell/bookmark_store.h"
#include "shell/on_air.h"
#include "shell/receiver.h"
#include "shell/station_directory.h"
#include "support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

// Composition::slots is no Qt keyword here; this file declares no slots of its own.
#undef slots

#include <chrono>
#include <fstream>
#include <memory>
#include <string>

namespace zenka {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The panel, the receiver on the catalogue's band and the band window, with a silent
// sound output and a fixed clock; the configuration folder is the test's own.
struct Listener {
    explicit Listener(const char* when = "2026-12-08T09:18:07Z") : clock(*parse_utc(when)) {
        panel.attach(rx);
        panel.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
        start();
    }
    ~Listener() {
        window.reset();
        if (panel.isVisible()) panel.close();
    }
    void start() {
        settings = std::make_unique<SettingsFile>(
            QString::fromStdString((config() / "zenka.conf").string()));
        window = std::make_unique<BandWindow>(rx, clock, *settings, &panel);
        window->restore();
    }
    void restart() {
        window.reset();
        settings.reset();
        start();
    }
    fs::path config() const { return folder.path() / "config"; }

    BookmarksPane& bookmarks() const { return *window->bookmarks(); }
    DirectoryPane& directory() const { return *window->directory(); }
    void key(const char* name) const {
        auto* a = window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    // What a retune at `freq` hears: a station the catalogue names. On the air lists it
    // too, beside what it listed before, once the band's own answer is in.
    void hear(int freq, const char* label, std::vector<std::string> calls) {
        rx.settings.freq = freq;
        Composition c;
        c.settings.freq = freq;
        Slot s;
        s.text = "CQ CQ DE " + calls.front() + " K";
        s.params.qsa = 4;
        s.station.label = label;
        s.station.calls = std::move(calls);
        s.station.service = Service::maritime;
        c.slots.push_back(s);
        PlayReport played;
        played.duration_ms = {4000};
        played.meter = {4};
        window->retuned(c, played);
        window->queries().drain();
        QCoreApplication::processEvents();
        AirRow line;
        line.freq = freq;
        line.channel = 0;
        line.emission.station = s.station;
        line.emission.qsa = 4;
        heard.push_back(line);
        window->on_air()->show_rows(heard, QString());
    }

    std::vector<AirRow> heard;
    test::TempFolder folder;
    FixedClock clock;
    sound::NullSound out;
    RandomSource random;
    Playout playout{out, clock, random, folder.path()};
    Panel panel;
    Receiver rx{clock, random, playout, panel, [](Air& air) { band(air); }};
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<BandWindow> window;
};

// Fills the open dialog and presses OK.
void fill(BookmarkDialog& d, const QString& name, const QString& note, const QString& tags) {
    d.name()->setText(name);
    d.note()->setPlainText(note);
    d.tags()->setText(tags);
    d.accept();
}

TEST(Bookmarks, ABookmarkOfTheTunedFrequencySurvivesARestart) {
    Listener l;
    l.hear(4185, "coast_station_mf JCS/CHIOSHI", {"JA3X", "JCS"});
    l.key("key_bookmark");
    BookmarkDialog* d = l.bookmarks().dialog();
    ASSERT_NE(d, nullptr);
    // Proposed from what is heard there: the coast station, by its call and place.
    EXPECT_EQ(d->freq()->text(), QStringLiteral("418.5"));
    EXPECT_EQ(d->name()->text(), QStringLiteral("JCS CHIOSHI"));
    EXPECT_EQ(d->tags()->text(), QStringLiteral("maritime"));

    // A frequency off the dial is said in the dialog, which keeps what was typed.
    d->freq()->setText(QStringLiteral("2000"));
    d->accept();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->problem(), QStringLiteral("Type the frequency in kHz, 10.0 - 1000.4."));
    EXPECT_TRUE(l.bookmarks().store().list().empty());
    d->freq()->setText(QStringLiteral("418.5"));
    // The line break typed after the note's last line is no line of it.
    fill(*d, QStringLiteral("Choshi; Japan"), QStringLiteral("Calls ships\non the hour\n\n"),
         QStringLiteral("Coast, Japan , Coast"));
    EXPECT_FALSE(d->isVisible());

    const Bookmark made{"Choshi; Japan", 4185, "Calls ships\non the hour", {"Coast", "Japan"}};
    ASSERT_EQ(l.bookmarks().store().list(), std::vector<Bookmark>{made});
    EXPECT_EQ(l.bookmarks().message(),
              QStringLiteral("Bookmarked \u201c""Choshi; Japan\u201d (418.5 kHz)."));
    EXPECT_TRUE(fs::exists(l.config() / "bookmarks.csv"));

    l.restart();
    EXPECT_EQ(l.bookmarks().store().list(), std::vector<Bookmark>{made});
    const QTableView& list = *l.bookmarks().table();
    ASSERT_EQ(list.model()->rowCount(), 1);
    EXPECT_EQ(list.model()->index(0, BookmarksModel::kName).data().toString(),
              QStringLiteral("Choshi; Japan"));
    EXPECT_EQ(list.model()->index(0, BookmarksModel::kFreq).data().toString(),
              QStringLiteral("418.5"));
    EXPECT_EQ(list.model()->index(0, BookmarksModel::kNote).data().toString(),
              QStringLiteral("Calls ships"));
    EXPECT_EQ(list.model()->index(0, BookmarksModel::kTags).data().toString(),
              QStringLiteral("Coast, Japan"));
    EXPECT_TRUE(l.bookmarks().message().isEmpty());

    // Edit opens the chosen one as it is; what is changed is kept over the next restart.
    l.bookmarks().table()->setCurrentIndex(list.model()->index(0, 0));
    l.bookmarks().edit_selected();
    d = l.bookmarks().dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->bookmark(), made);
    d->note()->setPlainText(QStringLiteral("Traffic lists at 04 and 16"));
    d->accept();
    l.restart();
    Bookmark changed = made;
    changed.note = "Traffic lists at 04 and 16";
    EXPECT_EQ(l.bookmarks().store().list(), std::vector<Bookmark>{changed});
}

TEST(Bookmarks, ALineOfOnTheAirIsBookmarkedWithItsFrequencyAndStation) {
    Listener l;
    l.hear(4205, "coast_station_mf_bug JCK/KOBE, small_coast_station VWZ, VIT anm, VIT marker",
           {"JCK"});
    l.hear(5000, "coast_station_mf_bug JCG/SHIMONOSEKI", {"JCG"});
    QTableView& air = *l.window->on_air()->table();
    ASSERT_EQ(air.model()->rowCount(), 2);
    // The bookmarks come to the front for the dialog.
    auto* finds = l.window->tools();
    finds->setCurrentWidget(&l.directory());
    // The line of 420.5 kHz, from its context menu.
    const QRect cell = air.visualRect(air.model()->index(0, OnAirModel::kStation));
    emit air.customContextMenuRequested(cell.center());
    auto* menu = air.findChild<QMenu*>(QStringLiteral("line_menu"));
    ASSERT_NE(menu, nullptr);
    auto* item = menu->findChild<QAction*>(QStringLiteral("bookmark_line"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("&Bookmark this line\u2026"));
    // The list refilled while the menu is open: the line is the one the menu was opened on.
    l.hear(1365, "coast_station_mf JCS/CHIOSHI", {"JCS"});
    ASSERT_EQ(air.model()->rowCount(), 3);
    item->trigger();
    BookmarkDialog* d = l.bookmarks().dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->freq()->text(), QStringLiteral("420.5"));
    EXPECT_EQ(d->name()->text(), QStringLiteral("JCK KOBE"));
    EXPECT_EQ(finds->currentWidget(), &l.bookmarks());
    EXPECT_TRUE(d->note()->toPlainText().isEmpty());
    d->reject();

    // The key, on the line chosen.
    air.setCurrentIndex(air.model()->index(2, 0));
    l.key("key_bookmark_line");
    d = l.bookmarks().dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->freq()->text(), QStringLiteral("500.0"));
    EXPECT_EQ(d->name()->text(), QStringLiteral("JCG SHIMONOSEKI"));
    d->accept();
    EXPECT_EQ(l.bookmarks().store().list(),
              (std::vector<Bookmark>{{"JCG SHIMONOSEKI", 5000, "", {"maritime"}}}));
}

TEST(Bookmarks, ALineOfComingUpIsBookmarkedWithTheTimeInTheNote) {
    Listener l;
    l.rx.tune(600); // 60.0 kHz: MSF's time signal at minute 55
    const ComingUpModel& coming = l.window->coming_up()->model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !coming.rows().empty(); }, 20000));
    int msf = -1;
    for (std::size_t i = 0; i < coming.rows().size() && msf < 0; ++i)
        if (coming.rows()[i].emission.station.label == "MSF ts2") msf = static_cast<int>(i);
    ASSERT_GE(msf, 0);
    const UtcInstant when = coming.rows()[static_cast<std::size_t>(msf)].at;

    QTableView& list = *l.window->coming_up()->table();
    list.setFocus();
    list.setCurrentIndex(list.model()->index(msf, 0));
    l.key("key_bookmark_line");
    BookmarkDialog* d = l.bookmarks().dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->freq()->text(), QStringLiteral("60.0"));
    EXPECT_EQ(d->name()->text(), QStringLiteral("MSF"));
    EXPECT_EQ(when, *parse_utc("2026-12-08T09:55:00Z"));
    EXPECT_EQ(d->note()->toPlainText(),
              QStringLiteral("Comes on the air at 09:55 UTC on 2026-12-08"));
}

TEST(Bookmarks, NoLineChosenIsSaidAndOpensNothing) {
    Listener l;
    l.window->on_air()->table()->clearSelection();
    l.window->coming_up()->table()->clearSelection();
    l.key("key_bookmark_line");
    EXPECT_EQ(l.bookmarks().dialog(), nullptr);
    EXPECT_EQ(l.bookmarks().message(),
              QStringLiteral("Choose a line of On the air or Coming up to bookmark first."));
}

TEST(Bookmarks, AnExportFromTheWindowIsImportedUnchanged) {
    Listener l;
    const std::vector<Bookmark> made = {
        {"Norddeich Radio", 5000, "Traffic lists\nat the even hours", {"Coast", "DE"}},
        {"GBR, Rugby", 160, "", {}},
        {"100% sure; \"quoted\"", 10004, " blanks kept ", {"a,b"}},
    };
    for (const Bookmark& b : made) {
        l.bookmarks().propose({});
        BookmarkDialog* d = l.bookmarks().dialog();
        ASSERT_NE(d, nullptr);
        d->freq()->setText(QString::fromStdString(std::to_string(b.freq / 10) + "." +
                                                  std::to_string(b.freq % 10)));
        d->name()->setText(QString::fromStdString(b.name));
        d->note()->setPlainText(QString::fromStdString(b.note));
        d->tags()->setText(QString::fromStdString(b.tags.empty() ? "" : b.tags.front()));
        d->accept();
        ASSERT_FALSE(d->isVisible()) << d->problem().toStdString();
    }
    // A tag with a comma cannot be typed in the dialog; the file keeps it all the same.
    std::vector<Bookmark> kept = l.bookmarks().store().list();
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[2].tags, (std::vector<std::string>{"a", "b"}));

    const fs::path out = l.folder.path() / "out" / "bookmarks.csv";
    l.bookmarks().export_file(out);
    EXPECT_EQ(l.bookmarks().message().toStdString(), "3 bookmarks exported to " + out.string() + ".");
    BookmarkStore fresh(l.folder.path() / "other" / "bookmarks.csv", l.clock);
    EXPECT_EQ(fresh.load(), "");
    const BookmarkStore::ImportReport report = fresh.import_from(out);
    EXPECT_EQ(report.added, 3u);
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(fresh.list(), kept);

    // Imported into the window again, nothing is doubled.
    l.bookmarks().import_file(out);
    EXPECT_EQ(l.bookmarks().store().list(), kept);
    EXPECT_EQ(l.bookmarks().message().toStdString(),
              "0 bookmarks imported from " + out.string() + " (3 already there).");
    // A file that is none says so in one line.
    std::ofstream(l.folder.path() / "junk.csv") << std::string("\x7f" "ELF\x01\x02\x00\x00", 8);
    l.bookmarks().import_file(l.folder.path() / "junk.csv");
    EXPECT_EQ(l.bookmarks().message().count(QLatin1Char('\n')), 0);
    EXPECT_EQ(l.bookmarks().store().list(), kept);
    l.bookmarks().import_file(l.folder.path() / "missing.csv");
    EXPECT_EQ(l.bookmarks().message().toStdString(),
              "Cannot import " + (l.folder.path() / "missing.csv").string() +
                  ": there is no such file.");
}

TEST(Bookmarks, ADoubleClickOrEnterTunesAndDeleteRemovesWithUndo) {
    Listener l;
    for (const char* khz : {"500.0", "418.5"}) {
        l.bookmarks().propose({});
        l.bookmarks().dialog()->freq()->setText(QString::fromLatin1(khz));
        fill(*l.bookmarks().dialog(), QString::fromLatin1(khz), {}, {});
    }
    l.window->tools()->setCurrentWidget(&l.bookmarks());
    l.window->activateWindow();
    QTableView& list = *l.bookmarks().table();
    // Sorted by frequency: 418.5 first.
    ASSERT_EQ(list.model()->rowCount(), 2);
    EXPECT_EQ(list.model()->index(0, BookmarksModel::kFreq).data().toString(),
              QStringLiteral("418.5"));
    const QRect cell = list.visualRect(list.model()->index(0, BookmarksModel::kName));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(l.rx.settings.freq, 4185);
    list.setFocus();
    list.setCurrentIndex(list.model()->index(1, 0));
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(l.rx.settings.freq, 5000);

    // The search shows only what holds the words.
    l.bookmarks().search()->setText(QStringLiteral("418"));
    EXPECT_EQ(list.model()->rowCount(), 1);
    l.bookmarks().search()->clear();

    list.setCurrentIndex(list.model()->index(0, 0));
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(l.bookmarks().store().list().size(), 1u);
    EXPECT_EQ(l.bookmarks().message(), QStringLiteral("Removed \u201c" "418.5\u201d (418.5 kHz); "
                                                      "Undo (Ctrl+Z) puts it back."));
    EXPECT_TRUE(l.bookmarks().undo_button()->isEnabled());
    QTest::keyClick(&list, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(l.bookmarks().store().list().size(), 2u);
    EXPECT_EQ(l.bookmarks().store().list()[1].freq, 4185);
    EXPECT_FALSE(l.bookmarks().undo_button()->isEnabled());
    l.restart();
    EXPECT_EQ(l.bookmarks().store().list().size(), 2u);
}

TEST(Bookmarks, ADamagedFileIsSaidAndKeptBesideTheFreshOne) {
    Listener l;
    l.window.reset();
    const std::string damaged = std::string("\x00\x01\x02 not bookmarks\xff\xfe", 19);
    fs::create_directories(l.config());
    std::ofstream(l.config() / "bookmarks.csv", std::ios::binary) << damaged;
    l.restart();
    const QString said = l.bookmarks().message();
    EXPECT_TRUE(said.contains(QStringLiteral("bookmarks.csv.damaged-"))) << said.toStdString();
    EXPECT_EQ(said.count(QLatin1Char('\n')), 0);
    bool kept = false;
    for (const std::string& name : test::names_in(l.config()))
        if (name.starts_with("bookmarks.csv.damaged-")) {
            std::ifstream in(l.config() / name, std::ios::binary);
            const std::string text((std::istreambuf_iterator<char>(in)), {});
            EXPECT_EQ(text, damaged);
            kept = true;
        }
    EXPECT_TRUE(kept);
    EXPECT_TRUE(l.bookmarks().store().list().empty());
}

TEST(StationDirectoryPane, ASearchedStationNotOnNowIsSaidSoAndTuned) {
    Listener l; // 09:18 UTC: MSF's time signal comes at 09:55
    DirectoryPane& d = l.directory();
    // Read off the interface thread as the window opens.
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.model().rowCount() > 0; }, 20000));
    EXPECT_EQ(static_cast<std::size_t>(d.model().rowCount()),
              StationDirectory::of_catalogue().entries().size());
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("directory_count"))->text(),
              QStringLiteral("%1 stations").arg(d.model().rowCount()));
    // Ctrl+6 shows the stations and goes to their search.
    l.window->activateWindow();
    QApplication::setActiveWindow(l.window.get());
    l.key("key_stations");
    EXPECT_EQ(l.window->tools()->currentWidget(), &d);
    EXPECT_EQ(QApplication::focusWidget(), d.search());
    d.search()->setText(QStringLiteral("msf"));
    QTableView& list = *d.table();
    ASSERT_EQ(list.model()->rowCount(), 1);
    EXPECT_EQ(list.model()->index(0, DirectoryModel::kStation).data().toString(),
              QStringLiteral("MSF"));
    EXPECT_EQ(list.model()->index(0, DirectoryModel::kService).data().toString(),
              QStringLiteral("time signal"));
    EXPECT_TRUE(list.model()->index(0, DirectoryModel::kFreqs).data().toString().contains(
        QStringLiteral("60.0")));
    // Enter in the search goes to the first station found, and asks when it is on.
    QTest::keyClick(d.search(), Qt::Key_Return);
    EXPECT_EQ(list.currentIndex().row(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.next_text().contains(QStringLiteral("UTC")); },
                                20000))
        << d.next_text().toStdString();
    EXPECT_EQ(d.next_text(),
              QStringLiteral("MSF: next on the air at 09:55 UTC, in 37 min, at 60.0 kHz."));
    EXPECT_EQ(list.model()->index(0, DirectoryModel::kNext).data().toString(),
              QStringLiteral("09:55 UTC, in 37 min"));
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(l.rx.settings.freq, 600);
    EXPECT_EQ(d.notice(), QStringLiteral("MSF: not on now. It comes on the air at 09:55 UTC, in "
                                         "37 min; tuned to 60.0 kHz, where it will be heard."));

    // A search by place and service finds the coast station, and a double click, before
    // anything is known of it, tunes there once it is.
    d.search()->setText(QStringLiteral("Maritime chioshi"));
    ASSERT_EQ(list.model()->rowCount(), 1);
    l.window->activateWindow();
    const QRect cell = list.visualRect(list.model()->index(0, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return d.notice().startsWith(QStringLiteral("JCS CHIOSHI")); }, 20000))
        << d.notice().toStdString();
    const StationDirectory& all = StationDirectory::of_catalogue();
    const DirectoryEntry* jcs = all.find("JCS");
    const DirectoryModel::Answer* a =
        d.model().answer(static_cast<std::size_t>(jcs - all.entries().data()));
    ASSERT_NE(a, nullptr);
    // Where it is on, or comes on next, or else the first of its frequencies.
    EXPECT_EQ(l.rx.settings.freq, a->next.when == NextOnAir::When::not_within
                                      ? jcs->freqs.front().lo
                                      : a->next.freq);
    EXPECT_EQ(a->next, next_on_air(OnAirQuery{l.rx.settings}, l.clock.now(), *jcs));
}

TEST(StationDirectoryPane, AStationOnTheAirNowIsTunedWhereItIsHeard) {
    Listener l;
    DirectoryPane& d = l.directory();
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.model().rowCount() > 0; }, 20000));
    // A station of one frequency heard at the receiver's minute, as the on-air query finds it.
    const StationDirectory& all = StationDirectory::of_catalogue();
    const DirectoryEntry* on = nullptr;
    int where = 0;
    for (const OnAir& here : on_air(OnAirQuery{l.rx.settings}, l.clock.now(), 100, 10004)) {
        for (const Heard& h : here.heard)
            if (!h.station.calls.empty())
                if (const DirectoryEntry* e = all.find(h.station.calls.front());
                    e != nullptr && e->is(h.station) && e->probes() == std::vector<int>{here.freq} &&
                    all.search(e->call).size() == 1) {
                    on = e;
                    where = here.freq;
                }
        if (on != nullptr) break;
    }
    ASSERT_NE(on, nullptr);
    d.search()->setText(QString::fromStdString(on->call));
    QTest::keyClick(d.search(), Qt::Key_Return);
    QTest::keyClick(d.table(), Qt::Key_Return);
    const QString name = QString::fromStdString(on->name());
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.notice().contains(name); }, 20000));
    EXPECT_EQ(d.notice(), QStringLiteral("Tuned to %1, on the air now at %2.%3 kHz.")
                              .arg(name)
                              .arg(where / 10)
                              .arg(where % 10));
    EXPECT_EQ(l.rx.settings.freq, where);
    EXPECT_EQ(d.next_text(), QStringLiteral("%1: on the air now at %2.%3 kHz.")
                                 .arg(name)
                                 .arg(where / 10)
                                 .arg(where % 10));
}

} // namespace
} // namespace zenka
