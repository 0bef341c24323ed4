#include "panel/directory_pane.h"

#include "panel/coming_up_pane.h"
#include "panel/emission_cells.h"
#include "panel/pane_table.h"
#include "shell/dial.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include <limits>

namespace zenka {
namespace {

using std::chrono::floor;
using std::chrono::minutes;

QString khz(int freq) {
    return khz_cell(freq) + QStringLiteral(" kHz");
}

bool same_minute(UtcInstant a, UtcInstant b) {
    return floor<minutes>(a) == floor<minutes>(b);
}

} // namespace

void DirectoryModel::set_directory(const StationDirectory* directory) {
    beginResetModel();
    directory_ = directory;
    answers_.clear();
    endResetModel();
}

const std::vector<DirectoryEntry>& DirectoryModel::entries() const {
    static const std::vector<DirectoryEntry> none;
    return directory_ != nullptr ? directory_->entries() : none;
}

void DirectoryModel::set_answer(std::size_t entry, const Answer& a) {
    answers_[entry] = a;
    const int row = static_cast<int>(entry);
    emit dataChanged(index(row, kNext), index(row, kNext));
}

const DirectoryModel::Answer* DirectoryModel::answer(std::size_t entry) const {
    const auto it = answers_.find(entry);
    return it == answers_.end() ? nullptr : &it->second;
}

void DirectoryModel::set_now(UtcInstant now) {
    now_ = now;
    if (!answers_.empty()) emit dataChanged(index(0, kNext), index(rowCount() - 1, kNext));
}

int DirectoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries().size());
}

int DirectoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString next_cell(const NextOnAir& next, UtcInstant now) {
    switch (next.when) {
    case NextOnAir::When::now:
        return QStringLiteral("on the air now");
    case NextOnAir::When::later:
        return QStringLiteral("%1 UTC, %2%3")
            .arg(utc_cell(next.at), ComingUpModel::in_cell(next.at, now),
                 next.by_chance ? QStringLiteral(" (may call)") : QString());
    case NextOnAir::When::not_within:
        break;
    }
    return QStringLiteral("not within 24 h");
}

QVariant DirectoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const auto entry = static_cast<std::size_t>(index.row());
    const DirectoryEntry& e = entries()[entry];
    const Answer* a = answer(entry);
    if (role == kSortRole) {
        if (index.column() == kFreqs) return e.freqs.empty() ? 0 : e.freqs.front().lo;
        if (index.column() == kNext)
            return a == nullptr || a->next.when == NextOnAir::When::not_within
                       ? std::numeric_limits<qlonglong>::max()
                       : static_cast<qlonglong>(a->next.at.time_since_epoch().count());
        return data(index, Qt::DisplayRole).toString().toLower();
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    switch (index.column()) {
    case kStation:
        return qstring(e.name());
    case kService:
        return qstring(e.services_text());
    case kFreqs:
        return qstring(e.freqs_text());
    case kNext:
        return a != nullptr ? next_cell(a->next, now_) : QString();
    default:
        return {};
    }
}

QVariant DirectoryModel::headerData(int section, Qt::Orientation o, int role) const {
    static const char* const kHeads[kColumns] = {"Station", "Service", "kHz", "Next on the air"};
    return heading(kHeads, section, o, role);
}

void DirectoryFilter::set_words(const QString& words) {
    words_ = search_words(words.toStdString());
    invalidateFilter();
}

bool DirectoryFilter::filterAcceptsRow(int row, const QModelIndex&) const {
    const auto* m = static_cast<const DirectoryModel*>(sourceModel());
    return matches(m->entries()[static_cast<std::size_t>(row)], words_);
}

DirectoryPane::DirectoryPane(QueryWorker& worker, const Clock& clock, Query query,
                             QWidget* parent)
    : QWidget(parent), worker_(worker), clock_(clock), query_(std::move(query)) {
    setObjectName(QStringLiteral("directory"));
    proxy_.setSourceModel(&model_);
    proxy_.setSortRole(DirectoryModel::kSortRole);

    search_ = search_field(
        this, QStringLiteral("directory_search"), QStringLiteral("Call sign, place or service"),
        QStringLiteral("Search the stations"),
        QStringLiteral(
            "Shows the stations with every word typed in their call, place or service; Enter "
            "goes to the first."));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("directory_count"));
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& words) {
        proxy_.set_words(words);
        show_count();
    });

    table_ = pane_table(this, &proxy_, QStringLiteral("directory_table"),
                        QStringLiteral("Stations"),
                        QStringLiteral("Every station of the band. Enter or a double click "
                                       "tunes to it."));
    table_->setSortingEnabled(true);
    table_->sortByColumn(DirectoryModel::kStation, Qt::AscendingOrder);
    table_->horizontalHeader()->setSectionResizeMode(DirectoryModel::kFreqs, QHeaderView::Stretch);
    const QFontMetrics metrics = table_->fontMetrics();
    table_->setColumnWidth(DirectoryModel::kStation,
                           metrics.horizontalAdvance(QStringLiteral("WSL SAYVILLE AMAGANSETT")));
    table_->setColumnWidth(DirectoryModel::kService,
                           metrics.horizontalAdvance(QStringLiteral("aeronautical, maritime")));
    table_->setColumnWidth(DirectoryModel::kNext,
                           metrics.horizontalAdvance(QStringLiteral("09:55 UTC, in 23 h 59 min")));
    // Enter in the search goes to the first station found.
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (proxy_.rowCount() == 0) return;
        table_->setFocus(Qt::OtherFocusReason);
        table_->setCurrentIndex(proxy_.index(0, 0));
    });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const QModelIndex source = proxy_.mapToSource(current);
                if (source.isValid()) ask(static_cast<std::size_t>(source.row()), false);
            });
    connect(table_, &QTableView::activated, this, [this] { tune_selected(); });

    next_ = new QLabel(this);
    next_->setObjectName(QStringLiteral("directory_next"));
    next_->setWordWrap(true);
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("directory_notice"));
    notice_->setWordWrap(true);

    auto* top = new QHBoxLayout;
    top->addWidget(search_, 1);
    top->addWidget(count_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(top);
    column->addWidget(table_, 1);
    column->addWidget(next_);
    column->addWidget(notice_);
    say(count_, QStringLiteral("Reading the stations\u2026"));
    say(next_, QStringLiteral("Choose a station to learn when it is next on the air."));
    // Read from the catalogue once, off this thread; the list fills when it comes back.
    worker_.post(
        "stations", [](std::stop_token) { return &StationDirectory::of_catalogue(); },
        [this](const StationDirectory* directory) {
            QMetaObject::invokeMethod(
                this,
                [this, directory] {
                    model_.set_directory(directory);
                    show_count();
                },
                Qt::QueuedConnection);
        });
}

void DirectoryPane::show_count() {
    const int all = model_.rowCount(), shown = proxy_.rowCount();
    say(count_, shown == all ? QStringLiteral("%1 stations").arg(all)
                             : QStringLiteral("%1 of %2 stations").arg(shown).arg(all));
}

std::optional<std::size_t> DirectoryPane::selected() const {
    const QModelIndex source = proxy_.mapToSource(table_->currentIndex());
    if (!source.isValid()) return std::nullopt;
    return static_cast<std::size_t>(source.row());
}

QString DirectoryPane::next_text() const {
    return next_->text();
}

QString DirectoryPane::notice() const {
    return notice_->text();
}

void DirectoryPane::tune_selected() {
    const std::optional<std::size_t> entry = selected();
    if (!entry) return;
    ask(*entry, true);
}

void DirectoryPane::ask(std::size_t entry, bool then_tune) {
    const UtcInstant now = clock_.now();
    const DirectoryEntry* e = &model_.entries()[entry];
    OnAirQuery q = query_();
    q.settings.freq = 0; // the queries tune for themselves
    // An answer of this minute, with the switches as they are, holds.
    if (const DirectoryModel::Answer* a = model_.answer(entry);
        a != nullptr && same_minute(a->asked, now) && a->settings == q.settings) {
        answered(entry, *a, then_tune);
        return;
    }
    say(next_, qstring(e->name()) + QStringLiteral(": finding when it is next on the air\u2026"));
    worker_.post(
        "directory",
        [q, now, e](std::stop_token stop) {
            return next_on_air(q, now, *e, std::chrono::hours(24), stop);
        },
        [this, entry, now, settings = q.settings, then_tune](NextOnAir next) {
            QMetaObject::invokeMethod(
                this,
                [this, entry, now, settings, then_tune, next] {
                    answered(entry, {now, settings, next}, then_tune);
                },
                Qt::QueuedConnection);
        });
}

void DirectoryPane::answered(std::size_t entry, const DirectoryModel::Answer& a, bool then_tune) {
    model_.set_now(clock_.now());
    model_.set_answer(entry, a);
    if (selected() == entry) show_next();
    if (then_tune) go(entry, a.next);
}

void DirectoryPane::show_next() {
    const std::optional<std::size_t> entry = selected();
    if (!entry) return;
    const DirectoryModel::Answer* a = model_.answer(*entry);
    if (a == nullptr) return;
    const QString name = qstring(model_.entries()[*entry].name());
    const NextOnAir& n = a->next;
    switch (n.when) {
    case NextOnAir::When::now:
        say(next_, QStringLiteral("%1: on the air now at %2.").arg(name, khz(n.freq)));
        break;
    case NextOnAir::When::later:
        say(next_, QStringLiteral("%1: %2 %3 UTC, %4, at %5.")
                       .arg(name,
                            n.by_chance ? QStringLiteral("may call from")
                                        : QStringLiteral("next on the air at"),
                            utc_cell(n.at), ComingUpModel::in_cell(n.at, clock_.now()),
                            khz(n.freq)));
        break;
    case NextOnAir::When::not_within:
        say(next_, QStringLiteral("%1: not on the air within the next 24 hours.").arg(name));
        break;
    }
}

void DirectoryPane::go(std::size_t entry, const NextOnAir& next) {
    const DirectoryEntry& e = model_.entries()[entry];
    const QString name = qstring(e.name());
    const std::vector<int> probes = e.probes();
    const int freq = next.when != NextOnAir::When::not_within ? next.freq
                     : probes.empty()                         ? 0
                                                              : probes.front();
    if (freq == 0) return;
    switch (next.when) {
    case NextOnAir::When::now:
        say(notice_, QStringLiteral("Tuned to %1, on the air now at %2.").arg(name, khz(freq)));
        break;
    case NextOnAir::When::later:
        say(notice_,
            QStringLiteral("%1: not on now. %2 %3 UTC, %4; tuned to %5, where it will be heard.")
                .arg(name,
                     next.by_chance ? QStringLiteral("It may call from")
                                    : QStringLiteral("It comes on the air at"),
                     utc_cell(next.at), ComingUpModel::in_cell(next.at, clock_.now()),
                     khz(freq)));
        break;
    case NextOnAir::When::not_within:
        say(notice_, QStringLiteral("%1: not on now, nor within the next 24 hours; tuned to %2, "
                                    "its first frequency.")
                         .arg(name, khz(freq)));
        break;
    }
    emit tune(freq);
}

} // namespace zenka
