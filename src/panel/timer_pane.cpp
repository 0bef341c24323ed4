#include "panel/timer_pane.h"

#include "panel/emission_cells.h"
#include "panel/pane_table.h"
#include "panel/receiver_strip.h"
#include "shell/dial.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

namespace zenka {
namespace {

using State = TimerRecording::State;

// "2026-12-09 06:13Z"
QString day_and_time(UtcInstant at) {
    const SystemTime s = to_system_time(at);
    return QStringLiteral("%1-%2-%3 %4Z")
        .arg(s.year)
        .arg(s.month, 2, 10, QLatin1Char('0'))
        .arg(s.day, 2, 10, QLatin1Char('0'))
        .arg(utc_cell(at));
}

QString khz(int freq) {
    return khz_cell(freq) + QStringLiteral(" kHz");
}

} // namespace

void TimerModel::set_timers(const std::vector<TimerRecording>& timers) {
    if (timers == timers_) return;
    beginResetModel();
    timers_ = timers;
    endResetModel();
}

int TimerModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(timers_.size());
}

int TimerModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant TimerModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    const TimerRecording& t = timers_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case kFreq:
        return khz_cell(t.freq);
    case kStart:
        return day_and_time(t.start);
    case kMinutes:
        return t.minutes;
    case kState:
        return qstring(state_name(t.state));
    case kNote:
        return QString::fromStdString(t.note);
    default:
        return {};
    }
}

QVariant TimerModel::headerData(int section, Qt::Orientation o, int role) const {
    static const char* const kHeads[kColumns] = {"kHz", "From (UTC)", "Minutes", "State",
                                                 "File, or why not"};
    return heading(kHeads, section, o, role);
}

TimerPane::TimerPane(TimerRecordings& timers, const Clock& clock, QWidget* parent)
    : QWidget(parent), timers_(timers), clock_(clock), model_(this) {
    setObjectName(QStringLiteral("timers"));

    auto* record_label = new QLabel(QStringLiteral("Record"), this);
    freq_ = new QLineEdit(this);
    freq_->setObjectName(QStringLiteral("timer_frequency"));
    freq_->setAccessibleName(QStringLiteral("Timer frequency in kHz"));
    freq_->setPlaceholderText(QStringLiteral("500.0"));
    freq_->setMaxLength(40);
    auto* khz_label = new QLabel(QStringLiteral("kHz"), this);
    auto* from_label = new QLabel(QStringLiteral("from UTC"), this);
    start_ = new QLineEdit(this);
    start_->setObjectName(QStringLiteral("timer_start"));
    start_->setAccessibleName(QStringLiteral("Timer start, UTC"));
    start_->setAccessibleDescription(
        QStringLiteral("The start as 2026-12-09T06:15:00Z, or with an offset from UTC."));
    start_->setMaxLength(40);
    start_->setText(
        time_text(std::chrono::ceil<std::chrono::minutes>(clock_.now()) + std::chrono::minutes(1)));
    auto* for_label = new QLabel(QStringLiteral("for"), this);
    minutes_ = new QSpinBox(this);
    minutes_->setObjectName(QStringLiteral("timer_minutes"));
    minutes_->setAccessibleName(QStringLiteral("Timer minutes"));
    minutes_->setRange(1, TimerSchedule::kMaxMinutes);
    minutes_->setValue(30);
    minutes_->setSuffix(QStringLiteral(" min"));
    add_ = new QPushButton(QStringLiteral("Add"), this);
    add_->setObjectName(QStringLiteral("timer_add"));
    add_->setAccessibleName(QStringLiteral("Add the timer"));
    add_->setAutoDefault(false);
    connect(add_, &QPushButton::clicked, this, [this] { add(); });
    for (QLineEdit* field : {freq_, start_})
        connect(field, &QLineEdit::returnPressed, this, [this] { add(); });

    table_ =
        pane_table(this, &model_, QStringLiteral("timer_table"), QStringLiteral("Timer recordings"),
                   QStringLiteral("The timers: frequency, start, minutes, state and the file "
                                  "recorded. Delete cancels the one chosen."));
    table_->horizontalHeader()->setSectionResizeMode(TimerModel::kNote, QHeaderView::Stretch);
    table_->horizontalHeader()->resizeSection(
        TimerModel::kStart,
        table_->fontMetrics().horizontalAdvance(QStringLiteral("2026-12-09 06:13Z")) + 16);
    auto* del = new QAction(QStringLiteral("Cancel the timer"), table_);
    del->setObjectName(QStringLiteral("timer_delete"));
    del->setShortcut(QKeySequence::Delete);
    del->setShortcutContext(Qt::WidgetShortcut);
    connect(del, &QAction::triggered, this, [this] { cancel_selected(); });
    table_->addAction(del);

    cancel_ = new QPushButton(QStringLiteral("Cancel timer"), this);
    cancel_->setObjectName(QStringLiteral("timer_cancel"));
    cancel_->setAccessibleName(QStringLiteral("Cancel the timer chosen"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel_selected(); });
    clear_ = new QPushButton(QStringLiteral("Clear finished"), this);
    clear_->setObjectName(QStringLiteral("timer_clear"));
    clear_->setAccessibleName(QStringLiteral("Clear the finished timers"));
    clear_->setAutoDefault(false);
    connect(clear_, &QPushButton::clicked, this, [this] {
        timers_.clear_finished();
        show_list();
    });

    about_ = new QLabel(this);
    about_->setObjectName(QStringLiteral("timer_about"));
    about_->setWordWrap(true);
    message_ = warning_line(this, QStringLiteral("timer_message"));

    // "Record F kHz / from UTC T for N min  Add", in two lines to fit a narrow pane.
    auto* what = new QHBoxLayout;
    what->addWidget(record_label);
    what->addWidget(freq_, 1);
    what->addWidget(khz_label);
    auto* when = new QHBoxLayout;
    when->addWidget(from_label);
    when->addWidget(start_, 3);
    when->addWidget(for_label);
    when->addWidget(minutes_);
    when->addWidget(add_);
    auto* form = new QVBoxLayout;
    form->addLayout(what);
    form->addLayout(when);
    auto* foot = new QHBoxLayout;
    foot->addWidget(about_, 1);
    foot->addWidget(cancel_);
    foot->addWidget(clear_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(form);
    column->addWidget(message_);
    column->addWidget(table_, 1);
    column->addLayout(foot);
    show_message({});
    show_list();
}

QString TimerPane::time_text(UtcInstant at) {
    const SystemTime s = to_system_time(at);
    return QStringLiteral("%1-%2-%3T%4:%5Z")
        .arg(s.year)
        .arg(s.month, 2, 10, QLatin1Char('0'))
        .arg(s.day, 2, 10, QLatin1Char('0'))
        .arg(utc_cell(at))
        .arg(s.second, 2, 10, QLatin1Char('0'));
}

void TimerPane::load() {
    show_message(QString::fromStdString(timers_.load()));
    show_list();
}

void TimerPane::tick() {
    const UtcInstant now = clock_.now();
    const auto starts = [now](const TimerRecording& t) {
        return t.state == State::waiting && t.start <= now && now < t.end();
    };
    if (before_start_ && std::any_of(timers_.list().begin(), timers_.list().end(), starts))
        before_start_();
    timers_.tick();
    show_list();
}

bool TimerPane::add() {
    const TypedFrequency f = read_typed_frequency(freq_->text());
    if (!f.error.isEmpty()) {
        show_message(f.error);
        return false;
    }
    const std::optional<UtcInstant> start = parse_utc(start_->text().trimmed().toStdString());
    if (!start) {
        show_message(QStringLiteral("'%1' is not a time such as 2026-12-09T06:15:00Z (UTC) or "
                                    "2026-12-09T07:15:00+01:00")
                         .arg(start_->text().trimmed().left(40)));
        return false;
    }
    if (const std::string error = timers_.add(f.freq, *start, minutes_->value()); !error.empty()) {
        show_message(QString::fromStdString(error));
        return false;
    }
    show_message(QString::fromStdString(timers_.save_error()));
    start_->setText(time_text(*start + std::chrono::minutes(minutes_->value())));
    show_list();
    return true;
}

bool TimerPane::cancel_selected() {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        show_message(QStringLiteral("Choose the timer to cancel in the list."));
        return false;
    }
    const TimerRecording& t = model_.timers()[static_cast<std::size_t>(rows.front().row())];
    if (const std::string error = timers_.cancel(t.id); !error.empty()) {
        show_message(QString::fromStdString(error));
        return false;
    }
    show_message(QString::fromStdString(timers_.save_error()));
    show_list();
    return true;
}

void TimerPane::show_list() {
    // The timer chosen stays chosen when the list is shown anew.
    std::optional<std::uint64_t> chosen;
    if (const QModelIndexList rows = table_->selectionModel()->selectedRows(); !rows.isEmpty())
        chosen = model_.timers()[static_cast<std::size_t>(rows.front().row())].id;
    model_.set_timers(timers_.list());
    const std::vector<TimerRecording>& list = model_.timers();
    if (chosen) {
        const auto it = std::find_if(list.begin(), list.end(),
                                     [&](const TimerRecording& t) { return t.id == *chosen; });
        if (it != list.end()) table_->selectRow(static_cast<int>(it - list.begin()));
    }

    const TimerRecording* next = nullptr;
    for (const TimerRecording& t : list) {
        if (t.state == State::recording) {
            say(about_,
                QStringLiteral("Recording %1 until %2").arg(khz(t.freq), day_and_time(t.end())));
            return;
        }
        if (t.state == State::waiting && (next == nullptr || t.start < next->start)) next = &t;
    }
    say(about_, next == nullptr ? QStringLiteral("No timer waiting.")
                                : QStringLiteral("Next: %1 from %2 for %3 min")
                                      .arg(khz(next->freq), day_and_time(next->start))
                                      .arg(next->minutes));
}

void TimerPane::show_message(const QString& text) {
    tell(message_, text);
}

QString TimerPane::about() const {
    return about_->text();
}

QString TimerPane::message() const {
    return message_->text();
}

} // namespace zenka
