#include "panel/on_air_pane.h"

#include "panel/emission_cells.h"
#include "panel/pane_table.h"
#include "shell/dial.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

namespace zenka {

void OnAirModel::set_rows(std::vector<AirRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int OnAirModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int OnAirModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant OnAirModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const AirRow& row = rows_[static_cast<std::size_t>(index.row())];
    const Emission& e = row.emission;
    if (role == kSortRole) {
        switch (index.column()) {
        case kFreq:
            return row.freq;
        case kSpeed:
            return e.spd;
        case kStrength:
            return e.qsa;
        case kChannel:
            return row.channel;
        default:
            return data(index, Qt::DisplayRole).toString().toLower();
        }
    }
    if (role == Qt::TextAlignmentRole)
        return index.column() == kFreq ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    switch (index.column()) {
    case kFreq:
        return khz_cell(row.freq);
    case kStation:
        return station_cell(e, true);
    case kCalls:
        return calls_cell(e);
    case kService:
        return service_cell(e);
    case kKeying:
        return keying_cell(e);
    case kSpeed:
        return speed_cell(e);
    case kStrength:
        return strength_cell(e);
    case kChannel:
        return channel_cell(row.channel, e);
    default:
        return {};
    }
}

QVariant OnAirModel::headerData(int section, Qt::Orientation o, int role) const {
    static const char* const kHeads[kColumns] = {"kHz",    "Station", "Calls",    "Service",
                                                 "Keying", "Speed",   "Strength", "Channel"};
    return heading(kHeads, section, o, role);
}

bool AirFilter::accepts(const AirRow& row) const {
    const Emission& e = row.emission;
    if (row.freq < from || row.freq > to) return false;
    if (!EmissionFilter::accepts(e)) return false;
    if (min_qsa > 0 && (e.kind == Emission::Kind::recording || e.qsa < min_qsa)) return false;
    if (!words.trimmed().isEmpty()) {
        const QString hay = station_cell(e, false) + QLatin1Char(' ') + calls_cell(e);
        for (const QString& w : words.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (!hay.contains(w, Qt::CaseInsensitive)) return false;
    }
    return true;
}

namespace {

QDoubleSpinBox* khz_box(QWidget* parent, const QString& name, double value) {
    auto* b = new QDoubleSpinBox(parent);
    b->setObjectName(name);
    b->setDecimals(1);
    b->setRange(kDialLowest / 10.0, kDialHighest / 10.0);
    b->setSingleStep(10.0);
    b->setSuffix(QStringLiteral(" kHz"));
    b->setValue(value);
    b->setKeyboardTracking(false);
    return b;
}

int tenths(double khz) {
    return static_cast<int>(std::lround(khz * 10));
}

} // namespace

OnAirPane::OnAirPane(QWidget* parent) : QWidget(parent) {
    proxy_.setSortRole(OnAirModel::kSortRole);
    setObjectName(QStringLiteral("on_air"));
    about_ = new QLabel(this);
    about_->setObjectName(QStringLiteral("on_air_about"));
    about_->setWordWrap(true);

    kind_ = new EmissionFilterBar(QStringLiteral("filter"), this);

    strength_ = new QComboBox(this);
    strength_->setObjectName(QStringLiteral("filter_strength"));
    strength_->addItem(QStringLiteral("Any strength"), 0);
    for (int q = 1; q <= 5; ++q)
        strength_->addItem(QStringLiteral("Strength %1 or more").arg(q), q);
    strength_->setAccessibleName(QStringLiteral("Strength"));
    strength_->setAccessibleDescription(QStringLiteral("Shows only the stronger stations."));

    from_ = khz_box(this, QStringLiteral("filter_from"), kDialLowest / 10.0);
    from_->setAccessibleName(QStringLiteral("From"));
    from_->setAccessibleDescription(QStringLiteral("The lowest frequency listed."));
    to_ = khz_box(this, QStringLiteral("filter_to"), kDialHighest / 10.0);
    to_->setAccessibleName(QStringLiteral("To"));
    to_->setAccessibleDescription(QStringLiteral("The highest frequency listed."));

    words_ = new QLineEdit(this);
    words_->setObjectName(QStringLiteral("filter_words"));
    words_->setPlaceholderText(QStringLiteral("Station or call"));
    words_->setClearButtonEnabled(true);
    words_->setAccessibleName(QStringLiteral("Search"));
    words_->setAccessibleDescription(
        QStringLiteral("Shows only the lines whose station or calls hold these words."));

    table_ = pane_table(this, &proxy_, QStringLiteral("on_air_table"), QStringLiteral("On the air"),
                        QStringLiteral("What is on the air now, one line per station. Enter or a "
                                       "double click tunes there."));
    table_->setSortingEnabled(true);
    table_->sortByColumn(OnAirModel::kFreq, Qt::AscendingOrder);
    table_->horizontalHeader()->setSectionResizeMode(OnAirModel::kStation, QHeaderView::Stretch);
    connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) {
        const QModelIndex source = proxy_.mapToSource(index);
        if (source.isValid()) emit tune(model_.rows()[static_cast<std::size_t>(source.row())].freq);
    });

    connect(kind_, &EmissionFilterBar::changed, this, &OnAirPane::filter_changed);
    connect(strength_, &QComboBox::currentIndexChanged, this, &OnAirPane::filter_changed);
    for (QDoubleSpinBox* box : {from_, to_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &OnAirPane::filter_changed);
    connect(words_, &QLineEdit::textChanged, this, &OnAirPane::filter_changed);

    auto* filters = new QGridLayout;
    filters->addWidget(kind_, 0, 0, 1, 3);
    filters->addWidget(words_, 0, 3);
    filters->addWidget(strength_, 1, 0);
    filters->addWidget(from_, 1, 1);
    filters->addWidget(to_, 1, 2);
    filters->setColumnStretch(3, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(about_);
    column->addLayout(filters);
    column->addWidget(table_, 1);
}

namespace {

// After a refresh a line is the same line when it is the same station on the same channel
// of the same frequency.
bool same_line(const AirRow& a, const AirRow& b) {
    return a.freq == b.freq && a.channel == b.channel &&
           a.emission.station.label == b.emission.station.label &&
           a.emission.station.calls == b.emission.station.calls;
}

} // namespace

std::optional<AirRow> OnAirPane::line_at(const QModelIndex& shown) const {
    const QModelIndex source = proxy_.mapToSource(shown);
    if (!source.isValid()) return std::nullopt;
    return model_.rows()[static_cast<std::size_t>(source.row())];
}

QModelIndex OnAirPane::shown_line(const AirRow& line, bool or_its_frequency) const {
    std::optional<int> same_freq;
    for (int r = 0; r < model_.rowCount(); ++r) {
        const AirRow& row = model_.rows()[static_cast<std::size_t>(r)];
        if (same_line(row, line)) {
            const QModelIndex shown = proxy_.mapFromSource(model_.index(r, 0));
            if (shown.isValid()) return shown;
        }
        if (!same_freq && row.freq == line.freq) same_freq = r;
    }
    if (or_its_frequency && same_freq) return proxy_.mapFromSource(model_.index(*same_freq, 0));
    return {};
}

void OnAirPane::show_rows(std::vector<AirRow> rows, const QString& about) {
    // The line chosen stays chosen, and the line at the top stays there, when the list is
    // refreshed and they are still in it; a line gone leaves the choice at its frequency.
    const std::optional<AirRow> chosen = line_at(table_->currentIndex());
    const int column = std::max(0, table_->currentIndex().column());
    const std::optional<AirRow> top = line_at(table_->indexAt(QPoint(0, 0)));
    model_.set_rows(std::move(rows));
    if (chosen)
        if (const QModelIndex line = shown_line(*chosen, true); line.isValid())
            table_->selectionModel()->setCurrentIndex(line.siblingAtColumn(column),
                                                      QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    if (top)
        if (const QModelIndex line = shown_line(*top, false); line.isValid())
            table_->scrollTo(line, QAbstractItemView::PositionAtTop);
    say(about_, about);
}

QString OnAirPane::about() const {
    return about_->text();
}

void OnAirPane::set_filter(const AirFilter& f) {
    setting_ = true;
    kind_->set_filter(f);
    strength_->setCurrentIndex(std::max(0, strength_->findData(f.min_qsa)));
    from_->setValue(f.from / 10.0);
    to_->setValue(f.to / 10.0);
    words_->setText(f.words);
    setting_ = false;
    filter_changed();
}

void OnAirPane::filter_changed() {
    if (setting_) return;
    AirFilter f;
    static_cast<EmissionFilter&>(f) = kind_->filter();
    f.min_qsa = strength_->currentData().toInt();
    f.from = tenths(from_->value());
    f.to = tenths(to_->value());
    f.words = words_->text();
    if (f == proxy_.filter()) return;
    proxy_.set_filter(f);
    emit filter_edited();
}

} // namespace zenka
