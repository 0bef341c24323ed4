#include "panel/band_window.h"

#include "panel/band_rows.h"
#include "panel/bookmarks_pane.h"
#include "panel/band_scope.h"
#include "panel/coming_up_pane.h"
#include "panel/copy_pane.h"
#include "panel/directory_pane.h"
#include "panel/emission_cells.h"
#include "panel/frequency_dial.h"
#include "panel/kept_choices.h"
#include "panel/line_bookmarks.h"
#include "panel/now_hearing_pane.h"
#include "panel/on_air_pane.h"
#include "panel/receiver_strip.h"
#include "panel/recording_pane.h"
#include "panel/scope_pane.h"
#include "panel/settings_file.h"
#include "panel/timer_pane.h"
#include "panel/window_place.h"
#include "shell/dial.h"
#include "shell/on_air.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace zenka {
namespace {

// A pane in a frame with its title.
QGroupBox* framed(QWidget* pane, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(pane);
    return box;
}

// The panel's frame around its contents: the window manager puts the same around
// this window.
QMargins frame_of(const QWidget* w) {
    const QRect inner = w->geometry(), outer = w->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QString keys_text(const QList<QKeySequence>& keys) {
    QStringList names;
    for (const QKeySequence& k : keys)
        names << k.toString(QKeySequence::NativeText);
    return names.join(QStringLiteral(" or "));
}

} // namespace

BandWindow::BandWindow(Receiver& rx, const Clock& clock, SettingsFile& settings, QWidget* panel,
                       const BandWindowServices& services)
    : rx_(rx), clock_(clock), settings_(settings), panel_(panel), tick_(this), save_soon_(this) {
    setObjectName(QStringLiteral("band_window"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setAccessibleName(QString::fromLatin1(kTitle));
    resize(kDefaultSize);

    strip_ = new ReceiverStrip(rx_, this);
    // Made in the order they are shown, which is the order Tab takes.
    if (services.recording != nullptr)
        recording_ = new RecordingPane(*services.recording, services.env, this);
    hearing_ = new NowHearingPane(this);
    on_air_ = new OnAirPane(this);
    coming_ = new ComingUpPane(this);
    // The tools share one pane, a tab each; the tabs come before them in Tab's order.
    tools_ = new QTabWidget(this);
    // The bookmarks are kept beside the settings, in the configuration folder.
    bookmarks_ = new BookmarksPane(
        std::filesystem::path(settings_.path().toStdString()).parent_path() / "bookmarks.csv",
        clock_, this);
    directory_ = new DirectoryPane(*worker_, clock_, [this] { return OnAirQuery{rx_.settings}; },
                                   this);
    copy_ = new CopyPane(clock_, services.practice_log, this);
    if (services.timers != nullptr) timers_ = new TimerPane(*services.timers, clock_, this);
    scope_ = new ScopePane(*worker_, clock_, this);
    tools_->setObjectName(QStringLiteral("tools"));
    tools_->addTab(bookmarks_, QStringLiteral("Bookmarks"));
    tools_->addTab(directory_, QStringLiteral("Stations"));
    tools_->addTab(copy_, QStringLiteral("Copy practice"));
    if (timers_ != nullptr) tools_->addTab(timers_, QStringLiteral("Timer recordings"));
    tools_->setAccessibleName(QStringLiteral("Bookmarks, stations, copy practice and timers"));
    tools_->tabBar()->setObjectName(QStringLiteral("tools_tabs"));
    tools_->tabBar()->setAccessibleName(QStringLiteral("Tools"));
    connect(tools_, &QTabWidget::currentChanged, &save_soon_, qOverload<>(&QTimer::start));
    panes_ = new QSplitter(Qt::Vertical, this);
    panes_->setObjectName(QStringLiteral("panes"));
    panes_->setChildrenCollapsible(false);
    panes_->addWidget(framed(hearing_, QStringLiteral("Now hearing"), panes_));
    panes_->addWidget(framed(on_air_, QStringLiteral("On the air"), panes_));
    panes_->addWidget(framed(coming_, QStringLiteral("Coming up"), panes_));
    panes_->setStretchFactor(0, 2);
    panes_->setStretchFactor(1, 4);
    panes_->setStretchFactor(2, 2);
    panes_->setSizes({260, 300, 160});
    // Beside the lists the tools, and under both the band scope, across the window.
    columns_ = new QSplitter(Qt::Horizontal, this);
    columns_->setObjectName(QStringLiteral("columns"));
    columns_->setChildrenCollapsible(false);
    columns_->addWidget(panes_);
    columns_->addWidget(tools_);
    columns_->setStretchFactor(0, 3);
    columns_->setStretchFactor(1, 2);
    columns_->setSizes({660, 400});
    side_ = new QSplitter(Qt::Vertical, this);
    side_->setObjectName(QStringLiteral("scope_panes"));
    side_->setChildrenCollapsible(false);
    scope_box_ = framed(scope_, QStringLiteral("Band scope"), side_);
    scope_box_->setObjectName(QStringLiteral("band_scope_box"));
    side_->addWidget(columns_);
    side_->addWidget(scope_box_);
    side_->setStretchFactor(0, 4);
    side_->setStretchFactor(1, 1);
    side_->setSizes({720, 170});
    // Each pane may be made smaller than its contents would like, so that the window fits
    // a small screen; it is laid out at its full size as long as there is room.
    for (int i = 0; i < panes_->count(); ++i)
        panes_->widget(i)->setMinimumHeight(kPaneMinimum);
    scope_box_->setMinimumHeight(kPaneMinimum);
    tools_->setMinimumHeight(kPaneMinimum);
    panes_->setMinimumWidth(kColumnMinimum);
    tools_->setMinimumWidth(kColumnMinimum);

    news_ = new QLabel(this);
    news_->setObjectName(QStringLiteral("news"));
    news_->setWordWrap(true);
    auto* keys = new QPushButton(QStringLiteral("Keys"), this);
    keys->setObjectName(QStringLiteral("keys_button"));
    keys->setAccessibleName(QStringLiteral("Keys"));
    keys->setAccessibleDescription(QStringLiteral("Lists the keys of this window. F1."));
    keys->setAutoDefault(false);
    connect(keys, &QPushButton::clicked, this, &BandWindow::show_keys);

    auto* foot = new QHBoxLayout;
    foot->addWidget(news_, 10);
    foot->addStretch(1);
    foot->addWidget(keys);
    auto* column = new QVBoxLayout(this);
    column->addWidget(strip_);
    if (recording_ != nullptr)
        column->addWidget(framed(recording_, QStringLiteral("Recording"), this));
    column->addWidget(side_, 1);
    column->addLayout(foot);

    toggle_ = new QAction(QStringLiteral("Band window"), this);
    toggle_->setObjectName(QStringLiteral("band_window"));
    toggle_->setCheckable(true);
    toggle_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_B), QKeySequence(Qt::Key_F2)});
    toggle_->setShortcutContext(Qt::WindowShortcut);
    toggle_->setProperty("help",
                         QStringLiteral("Open or close the band window (also on the panel)"));
    connect(toggle_, &QAction::triggered, this, [this](bool on) { set_open(on); });
    addAction(toggle_);
    if (panel_ != nullptr) panel_->addAction(toggle_);

    using S = ReceiverStrip::Switch;
    const auto focus = [](QWidget* w) { return [w] { w->setFocus(Qt::ShortcutFocusReason); }; };
    add_key("key_entry", QStringLiteral("Type a frequency (Enter tunes)"),
            {QKeySequence(Qt::CTRL | Qt::Key_L)}, [this] {
                strip_->entry()->setFocus(Qt::ShortcutFocusReason);
                strip_->entry()->selectAll();
            });
    add_key("key_dial", QStringLiteral("The read-out: cursor and page keys tune, as on the panel"),
            {QKeySequence(Qt::CTRL | Qt::Key_D)}, focus(strip_->dial()));
    add_key("key_hearing", QStringLiteral("Now hearing"), {QKeySequence(Qt::CTRL | Qt::Key_1)},
            focus(hearing_->table()));
    add_key("key_on_air", QStringLiteral("On the air"), {QKeySequence(Qt::CTRL | Qt::Key_2)},
            focus(on_air_->table()));
    add_key("key_coming", QStringLiteral("Coming up"), {QKeySequence(Qt::CTRL | Qt::Key_3)},
            focus(coming_->table()));
    add_key("key_band_scope",
            QStringLiteral("Band scope: cursor keys move along the band, Enter tunes"),
            {QKeySequence(Qt::CTRL | Qt::Key_4)}, [this] {
                set_band_scope_shown(true);
                scope_->scope()->setFocus(Qt::ShortcutFocusReason);
            });
    add_key("key_band_scope_shown", QStringLiteral("Show or hide the band scope"),
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
            [this] { set_band_scope_shown(scope_box_->isHidden()); });
    add_key("key_search", QStringLiteral("Search the on-air list by station or call"),
            {QKeySequence(Qt::CTRL | Qt::Key_F)}, focus(on_air_->search()));
    add_key("key_text", QStringLiteral("Show or hide the text as keyed"),
            {QKeySequence(Qt::CTRL | Qt::Key_T)},
            [this] { hearing_->set_text_shown(!hearing_->text_shown()); });
    struct SwitchKey {
        const char* name;
        const char* what;
        Qt::Key key;
        S which;
    };
    static constexpr SwitchKey kSwitchKeys[] = {
        {"key_att", "ATT, the attenuator", Qt::Key_A, S::att},
        {"key_filter", "FLT1/FLT2, the filter", Qt::Key_F, S::filter},
        {"key_hist", "HIST, the historical stations", Qt::Key_H, S::hist},
        {"key_clips", "CLIP, the audio clips", Qt::Key_C, S::clips},
        {"key_bkgnd", "BGND, the background stations", Qt::Key_G, S::bkgnd},
        {"key_qrn", "QRN, the band noise", Qt::Key_Q, S::qrn},
        {"key_sampling", "SMPL, the sampling rate", Qt::Key_M, S::sampling},
        {"key_scan", "SCAN, the scan", Qt::Key_S, S::scan},
    };
    for (const SwitchKey& k : kSwitchKeys)
        add_key(k.name, QString::fromLatin1(k.what), {QKeySequence(Qt::CTRL | Qt::SHIFT | k.key)},
                [this, w = k.which] { strip_->switch_button(w)->click(); });
    add_key("key_copy", QStringLiteral("Copy practice: start copying, or back to the copy"),
            {QKeySequence(Qt::CTRL | Qt::Key_P)}, [this] {
                tools_->setCurrentWidget(copy_);
                copy_->start();
            });
    add_key("key_copy_score", QStringLiteral("Score the copy now"),
            {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
            [this] { copy_->score_now(); });
    connect(copy_, &CopyPane::copying_changed, hearing_, &NowHearingPane::hide_text_of);
    if (recording_ != nullptr)
        add_key("key_record", QStringLiteral("Record what is heard, or stop the recording"),
                {QKeySequence(Qt::CTRL | Qt::Key_R)},
                [this] { recording_->record_button()->click(); });
    if (timers_ != nullptr)
        add_key("key_timers", QStringLiteral("To the timer recordings"),
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)},
                [this] {
                    tools_->setCurrentWidget(timers_);
                    timers_->frequency_field()->setFocus(Qt::ShortcutFocusReason);
                });
    add_key("key_help", QStringLiteral("This list of keys"), {QKeySequence(Qt::Key_F1)},
            [this] { show_keys(); });
    auto* lines = new LineBookmarks(*bookmarks_, this);
    lines->offer(on_air_->table(), air_lines(*on_air_));
    lines->offer(coming_->table(), coming_lines(*coming_));
    const auto shown = [this](QWidget* pane, QWidget* w) {
        return [this, pane, w] {
            tools_->setCurrentWidget(pane);
            w->setFocus(Qt::ShortcutFocusReason);
        };
    };
    add_key("key_bookmark", QStringLiteral("Bookmark the tuned frequency"),
            {QKeySequence(Qt::CTRL | Qt::Key_K)}, [this] { bookmarks_->add_here(); });
    add_key("key_bookmark_line",
            QStringLiteral("Bookmark the selected line of On the air or Coming up"),
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K)}, [lines] { lines->bookmark_selected(); });
    add_key("key_bookmarks", QStringLiteral("Bookmarks"), {QKeySequence(Qt::CTRL | Qt::Key_5)},
            shown(bookmarks_, bookmarks_->table()));
    add_key("key_stations", QStringLiteral("Stations: search by call sign, place or service"),
            {QKeySequence(Qt::CTRL | Qt::Key_6)}, shown(directory_, directory_->search()));
    connect(bookmarks_, &BookmarksPane::dialog_opened, this,
            [this] { tools_->setCurrentWidget(bookmarks_); });
    bookmarks_->set_here([this] {
        return here_bookmark(rx_.settings.freq, hearing_->model().rows(),
                             StationDirectory::of_catalogue());
    });

    connect(on_air_, &OnAirPane::tune, this, [this](int freq) { rx_.tune(freq); });
    connect(coming_, &ComingUpPane::tune, this, [this](int freq) { rx_.tune(freq); });
    connect(bookmarks_, &BookmarksPane::tune, this, [this](int freq) { rx_.tune(freq); });
    connect(directory_, &DirectoryPane::tune, this, [this](int freq) { rx_.tune(freq); });
    connect(scope_, &ScopePane::tune, this, [this](int freq) { rx_.tune(freq); });
    connect(coming_, &ComingUpPane::scope_changed, this, [this] {
        show_coming_up(clock_.now());
        save_soon_.start();
    });
    connect(on_air_, &OnAirPane::filter_edited, &save_soon_, qOverload<>(&QTimer::start));
    connect(coming_, &ComingUpPane::filter_edited, &save_soon_, qOverload<>(&QTimer::start));
    connect(hearing_->text_switch(), &QCheckBox::toggled, &save_soon_, qOverload<>(&QTimer::start));
    if (recording_ != nullptr) {
        connect(recording_, &RecordingPane::choices_changed, &save_soon_,
                qOverload<>(&QTimer::start));
        // A timer records where the window does; the default folder is made only then.
        if (timers_ != nullptr)
            timers_->set_before_start([this, t = services.timers] {
                t->set_output(recording_->folder(), recording_->format());
            });
    }

    save_soon_.setSingleShot(true);
    save_soon_.setInterval(500);
    connect(&save_soon_, &QTimer::timeout, this, &BandWindow::save);
    tick_.setInterval(kTickMs);
    connect(&tick_, &QTimer::timeout, this, &BandWindow::tick);
    tick_.start();

    strip_->show_receiver(0);
    retuned_at_ = clock_.now();
    refresh_on_air(retuned_at_);
    show_coming_up(retuned_at_);
    news_->setText(settings_.problem());
    news_->setVisible(!settings_.problem().isEmpty());
    rx_.add_listener(*this);
}

BandWindow::~BandWindow() {
    rx_.remove_listener(*this);
    if (panel_ != nullptr) panel_->removeAction(toggle_);
    if (!off_) save();
}

void BandWindow::add_key(const char* name, const QString& what, const QList<QKeySequence>& keys,
                         const std::function<void()>& act) {
    auto* a = new QAction(what, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    a->setProperty("help", what);
    connect(a, &QAction::triggered, this, act);
    addAction(a);
}

QString BandWindow::keys_help() const {
    QStringList lines;
    for (const QAction* a : actions())
        if (a->property("help").isValid())
            lines << keys_text(a->shortcuts()) + QStringLiteral("\t") +
                         a->property("help").toString();
    lines << QString() << QStringLiteral("Tab, Shift+Tab\tFrom control to control")
          << QStringLiteral("Enter, double click\tIn On the air or Coming up: tune there")
          << QStringLiteral("Enter, double click\tIn Bookmarks or Stations: tune there")
          << QStringLiteral("Delete, Ctrl+Z\tIn Bookmarks: remove the bookmark, put it back")
          << QStringLiteral("Right click\tIn On the air or Coming up: bookmark the line")
          << QStringLiteral("Cursor keys\tOn the read-out: the fine step and 1 kHz")
          << QStringLiteral("Page Up, Page Down\tOn the read-out: 10 kHz")
          << QStringLiteral("Mouse wheel\tOver the read-out: one fine step a notch")
          << QStringLiteral("Space\tOn a switch: switch it")
          << QStringLiteral("Delete\tIn the timer list: cancel the timer chosen") << QString()
          << QStringLiteral("On the panel the cursor and page keys tune, and %1 opens and "
                            "closes this window.")
                 .arg(keys_text(toggle_->shortcuts()));
    return lines.join(QLatin1Char('\n'));
}

void BandWindow::show_keys() {
    if (keys_ == nullptr) {
        keys_ = new QDialog(this);
        keys_->setObjectName(QStringLiteral("keys"));
        keys_->setWindowTitle(QStringLiteral("Keys of the band window"));
        auto* text = new QPlainTextEdit(keys_);
        text->setObjectName(QStringLiteral("keys_text"));
        text->setReadOnly(true);
        text->setPlainText(keys_help());
        text->setTabStopDistance(text->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 26);
        text->setAccessibleName(QStringLiteral("Keys"));
        text->setAccessibleDescription(QStringLiteral("Every key of the band window."));
        text->setTabChangesFocus(true);
        auto* close = new QDialogButtonBox(QDialogButtonBox::Close, keys_);
        connect(close, &QDialogButtonBox::rejected, keys_, &QDialog::hide);
        auto* layout = new QVBoxLayout(keys_);
        layout->addWidget(text);
        layout->addWidget(close);
        keys_->resize(620, 480);
    }
    keys_->show();
    keys_->raise();
    keys_->activateWindow();
}

BandWindowState BandWindow::state() const {
    BandWindowState st;
    st.open = open_;
    st.place = place_;
    st.panes = panes_->saveState();
    st.side = side_->saveState();
    st.columns = columns_->saveState();
    st.hearing_list = hearing_->table()->horizontalHeader()->saveState();
    st.on_air_list = on_air_->table()->horizontalHeader()->saveState();
    st.coming_list = coming_->table()->horizontalHeader()->saveState();
    st.text_shown = hearing_->text_shown();
    if (tools_->currentWidget() != nullptr) st.tool = tools_->currentWidget()->objectName();
    st.filter = on_air_->filter();
    st.scope = coming_->scope();
    st.coming_filter = coming_->filter();
    st.band_scope_shown = !scope_box_->isHidden();
    return st;
}

void BandWindow::apply(const BandWindowState& st) {
    // What does not read back (a damaged value) leaves the default as it is.
    if (!st.panes.isEmpty()) panes_->restoreState(st.panes);
    if (!st.side.isEmpty()) side_->restoreState(st.side);
    if (!st.columns.isEmpty()) columns_->restoreState(st.columns);
    if (!st.hearing_list.isEmpty())
        hearing_->table()->horizontalHeader()->restoreState(st.hearing_list);
    if (!st.on_air_list.isEmpty())
        on_air_->table()->horizontalHeader()->restoreState(st.on_air_list);
    if (!st.coming_list.isEmpty())
        coming_->table()->horizontalHeader()->restoreState(st.coming_list);
    hearing_->set_text_shown(st.text_shown);
    for (int i = 0; i < tools_->count(); ++i)
        if (!st.tool.isEmpty() && tools_->widget(i)->objectName() == st.tool) tools_->setCurrentIndex(i);
    on_air_->set_filter(st.filter);
    coming_->set_scope(st.scope);
    coming_->set_filter(st.coming_filter);
    scope_box_->setHidden(!st.band_scope_shown);
    place_ = st.place;
    open_ = st.open;
}

void BandWindow::save() {
    write_band_window(settings_.settings(), state());
    if (recording_ != nullptr) write_recording(settings_.settings(), recording_->choices());
    settings_.sync();
    const QString problem = settings_.problem();
    news_->setText(problem);
    news_->setVisible(!problem.isEmpty());
}

void BandWindow::restore() {
    {
        const QSignalBlocker quiet(toggle_);
        apply(read_band_window(settings_.settings()));
        toggle_->setChecked(open_);
    }
    if (recording_ != nullptr) recording_->set_choices(read_recording(settings_.settings()));
    if (timers_ != nullptr) timers_->load();
    if (!open_) return;
    place();
    // The panel keeps the keyboard: its keys tune from the start.
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void BandWindow::place() {
    if (panel_ == nullptr) {
        if (place_) setGeometry(*place_);
        return;
    }
    const QMargins frame = frame_of(panel_);
    PlaceRequest r;
    r.panel = panel_->frameGeometry();
    r.screen = panel_->screen()->availableGeometry();
    r.size = place_ ? place_->size() : kDefaultSize.grownBy(frame);
    r.minimum = minimumSizeHint().grownBy(frame);
    r.last = place_;
    setGeometry(place_window(r).marginsRemoved(frame));
}

void BandWindow::set_open(bool open) {
    if (off_) return;
    open_ = open;
    {
        const QSignalBlocker quiet(toggle_);
        toggle_->setChecked(open);
    }
    if (open) {
        if (!isVisible()) place();
        show();
        raise();
        activateWindow();
    } else {
        hide();
        if (panel_ != nullptr) panel_->activateWindow();
    }
    save();
}

void BandWindow::switch_off() {
    if (off_) return;
    save();
    off_ = true;
    tick_.stop();
    save_soon_.stop();
    // A recording running is completed; a timer's is taken up again at the next start.
    if (recording_ != nullptr) recording_->stop();
    hide();
}

void BandWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (off_) return;
    open_ = false;
    {
        const QSignalBlocker quiet(toggle_);
        toggle_->setChecked(false);
    }
    save();
    if (panel_ != nullptr) panel_->activateWindow();
}

void BandWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!isVisible() || off_) return;
    place_ = frameGeometry();
    save_soon_.start();
}

void BandWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isVisible() || off_) return;
    place_ = frameGeometry();
    save_soon_.start();
}

QString BandWindow::news() const {
    return news_->text();
}

void BandWindow::retuned(const Composition& composed, const PlayReport& played) {
    const UtcInstant now = clock_.now();
    retuned_at_ = now;
    meter_ = played.meter.empty() ? 0 : played.meter.back();
    strip_->show_receiver(meter_);
    copy_->retuned(composed, played);
    hearing_->show_rows(hearing_rows(composed, played));
    refresh_on_air(now);
    show_coming_up(now);
    scope_->set_filter(composed.settings.filter, rx_.cw_filter());
    scope_->retuned(composed, played);
}

void BandWindow::set_band_scope_shown(bool shown) {
    scope_box_->setHidden(!shown);
    save_soon_.start();
}

void BandWindow::listen(sound::OutputTap* tap) {
    scope_->listen(tap);
}

void BandWindow::switches_changed() {
    strip_->show_receiver(meter_);
    refresh_on_air(clock_.now());
    scope_->set_filter(rx_.settings.filter, rx_.cw_filter());
    // The frequency changed without a retune (the receiver's start): what comes up there.
    if (rx_.settings.freq != coming_freq_) show_coming_up(clock_.now());
}

void BandWindow::tick() {
    const UtcInstant now = clock_.now();
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - retuned_at_);
    hearing_->show_elapsed(static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(elapsed.count(), 0, std::numeric_limits<std::uint32_t>::max())));
    refresh_on_air(now);
    coming_->show_now(now);
    copy_->tick();
    if (timers_ != nullptr) timers_->tick();
    if (recording_ != nullptr) recording_->refresh();
    scope_->tick();
}

namespace {

QString counted(std::size_t n, const char* one, const char* many) {
    return QString::number(n) + QLatin1Char(' ') + QString::fromLatin1(n == 1 ? one : many);
}

// "The band at 09:18 UTC: 412 frequencies on the air, with 598 stations."
QString band_about(UtcInstant at, const std::vector<OnAir>& band,
                   const std::vector<AirRow>& rows) {
    const QString head = QStringLiteral("The band at ") + utc_cell(at) + QStringLiteral(" UTC: ");
    if (band.empty()) return head + QStringLiteral("nothing on the air.");
    std::set<std::tuple<int, std::string, std::vector<std::string>>> stations;
    for (const AirRow& r : rows)
        stations.emplace(r.freq, r.emission.station.label, r.emission.station.calls);
    return head + counted(band.size(), "frequency", "frequencies") +
           QStringLiteral(" on the air, with ") + counted(stations.size(), "station", "stations") +
           QLatin1Char('.');
}

} // namespace

void BandWindow::refresh_on_air(UtcInstant now) {
    OnAirQuery q;
    q.settings = rx_.settings;
    // Neither the tuned frequency nor the scan changes what is on the air elsewhere.
    q.settings.freq = 0;
    q.settings.scan = 0;
    const BandAsked asked{std::chrono::floor<std::chrono::minutes>(now), q.settings};
    if (band_asked_ == asked) return;
    band_asked_ = asked;
    const std::uint64_t ask = ++band_asks_;
    if (on_air_->model().rows().empty())
        on_air_->show_rows({}, QStringLiteral("Working out what is on the air over the band at ") +
                                   utc_cell(now) + QStringLiteral(" UTC..."));
    // Worked out on the query thread, lines and all; an answer that comes back after a newer
    // question was asked (the next minute, a switch changed) is not shown.
    worker_->post(
        "on air",
        [q, now](std::stop_token stop) {
            return zenka::on_air(q, now, kDialLowest, kDialHighest, stop);
        },
        [this, now, ask](std::vector<OnAir> band) {
            std::vector<AirRow> rows = air_rows(band, now);
            QString about = band_about(now, band, rows);
            QMetaObject::invokeMethod(
                this,
                [this, ask, rows = std::move(rows), about = std::move(about)]() mutable {
                    if (ask == band_asks_) on_air_->show_rows(std::move(rows), about);
                },
                Qt::QueuedConnection);
        });
}

void BandWindow::show_coming_up(UtcInstant now) {
    const bool band = coming_->scope() == ComingUpPane::Scope::band_hour;
    const int freq = rx_.settings.freq;
    coming_freq_ = freq;
    OnAirQuery q;
    q.settings = rx_.settings;
    const QString khz = QString::fromStdString(dial_text(freq));
    const QString about =
        band ? QStringLiteral("What comes on the air over the band in the next hour.")
             : QStringLiteral("What comes on the air at %1 kHz in the next 24 hours.").arg(khz);
    // An answer with nothing in it says so, rather than leave an empty list unexplained.
    const QString none =
        band ? QStringLiteral("Nothing new comes on the air over the band in the next hour.")
             : QStringLiteral("Nothing new comes on the air at %1 kHz in the next 24 hours: what "
                              "is heard there now is all there is.")
                   .arg(khz);
    if (coming_->model().rows().empty())
        coming_->show_rows({}, now, QStringLiteral("Working out what comes next..."));
    // Worked out on the query thread; the answer comes back to this one, and an answer
    // for a frequency tuned away from meanwhile is not shown.
    worker_->post(
        "coming",
        [q, now, band, freq](std::stop_token stop) {
            return band ? zenka::coming_up(q, now, kDialLowest, kDialHighest, std::chrono::hours(1), stop)
                        : zenka::coming_up(q, now, freq, freq, std::chrono::hours(24), stop);
        },
        [this, now, band, freq, about, none](std::vector<Coming> found) {
            std::vector<ComingRow> rows;
            rows.reserve(found.size());
            for (Coming& c : found)
                rows.push_back(coming_row(std::move(c)));
            QMetaObject::invokeMethod(
                this,
                [this, rows = std::move(rows), now, band, freq, about, none]() mutable {
                    const bool current = coming_->scope() == (band ? ComingUpPane::Scope::band_hour
                                                                   : ComingUpPane::Scope::frequency_day);
                    if (!current || (!band && freq != rx_.settings.freq)) return;
                    const QString& said = rows.empty() ? none : about;
                    coming_->show_rows(std::move(rows), now, said);
                },
                Qt::QueuedConnection);
        });
}

} // namespace zenka
