#include "panel/on_air_pane.h"

#include "panel/emission_cells.h"
#include "panel/pane_table.h"
#include "shell/dial.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

namespace zenka {

std::vector<Service> listed_services() {
    std::vector<Service> out;
    for (int s = static_cast<int>(Service::maritime); s <= static_cast<int>(Service::background);
         ++s)
        out.push_back(static_cast<Service>(s));
    return out;
}

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
        case kSince:
            return static_cast<qlonglong>(row.at.time_since_epoch().count());
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
    case kSince:
        return utc_cell(row.at);
    default:
        return {};
    }
}

QVariant OnAirModel::headerData(int section, Qt::Orientation o, int role) const {
    static const char* const kHeads[kColumns] = {"kHz",    "Station", "Calls",    "Service",
                                                 "Keying", "Speed",   "Strength", "Heard"};
    return heading(kHeads, section, o, role);
}

bool AirFilter::accepts(const AirRow& row) const {
    const Emission& e = row.emission;
    if (row.freq < from || row.freq > to) return false;
    if (service && e.station.service != *service) return false;
    if (keying && (e.kind != Emission::Kind::keyed || e.keying != *keying)) return false;
    if (min_qsa > 0 && (e.kind == Emission::Kind::recording || e.qsa < min_qsa)) return false;
    if (!words.trimmed().isEmpty()) {
        const QString hay = station_cell(e, false) + QLatin1Char(' ') + calls_cell(e);
        for (const QString& w : words.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (!hay.contains(w, Qt::CaseInsensitive)) return false;
    }
    return true;
}

OnAirFilterModel::OnAirFilterModel(OnAirModel& source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
    setSourceModel(&source);
    setSortRole(OnAirModel::kSortRole);
}

void OnAirFilterModel::set_filter(const AirFilter& f) {
    if (f == filter_) return;
    filter_ = f;
    invalidateFilter();
}

bool OnAirFilterModel::filterAcceptsRow(int row, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= source_.rowCount()) return false;
    return filter_.accepts(source_.rows()[static_cast<std::size_t>(row)]);
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
    setObjectName(QStringLiteral("on_air"));
    about_ = new QLabel(this);
    about_->setObjectName(QStringLiteral("on_air_about"));
    about_->setWordWrap(true);

    service_ = new QComboBox(this);
    service_->setObjectName(QStringLiteral("filter_service"));
    service_->addItem(QStringLiteral("Any service"), -1);
    for (const Service s : listed_services()) {
        service_->addItem(qstring(service_name(s)), static_cast<int>(s));
    }
    service_->setAccessibleName(QStringLiteral("Service"));
    service_->setAccessibleDescription(QStringLiteral("Shows only the stations of one service."));

    keying_ = new QComboBox(this);
    keying_->setObjectName(QStringLiteral("filter_keying"));
    keying_->addItem(QStringLiteral("Any keying"), -1);
    for (const Keying k : kKeyings) {
        keying_->addItem(qstring(keying_name(k)), static_cast<int>(k));
    }
    keying_->setAccessibleName(QStringLiteral("Keying"));
    keying_->setAccessibleDescription(
        QStringLiteral("Shows only the stations keyed so: machine, hand, bug, spark or F1."));

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

    for (QComboBox* box : {service_, keying_, strength_})
        connect(box, &QComboBox::currentIndexChanged, this, &OnAirPane::filter_changed);
    for (QDoubleSpinBox* box : {from_, to_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &OnAirPane::filter_changed);
    connect(words_, &QLineEdit::textChanged, this, &OnAirPane::filter_changed);

    auto* filters = new QGridLayout;
    filters->addWidget(service_, 0, 0);
    filters->addWidget(keying_, 0, 1);
    filters->addWidget(strength_, 0, 2);
    filters->addWidget(from_, 0, 3);
    filters->addWidget(to_, 0, 4);
    filters->addWidget(words_, 0, 5);
    filters->setColumnStretch(5, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(about_);
    column->addLayout(filters);
    column->addWidget(table_, 1);
}

void OnAirPane::show_rows(std::vector<AirRow> rows, const QString& about) {
    // The line chosen stays chosen when the list is refreshed, if it is still there.
    const QModelIndex current = proxy_.mapToSource(table_->currentIndex());
    std::optional<int> chosen;
    if (current.isValid()) chosen = model_.rows()[static_cast<std::size_t>(current.row())].freq;
    model_.set_rows(std::move(rows));
    if (chosen) {
        for (int r = 0; r < model_.rowCount(); ++r)
            if (model_.rows()[static_cast<std::size_t>(r)].freq == *chosen) {
                table_->setCurrentIndex(proxy_.mapFromSource(model_.index(r, 0)));
                break;
            }
    }
    say(about_, about);
}

QString OnAirPane::about() const {
    return about_->text();
}

void OnAirPane::set_filter(const AirFilter& f) {
    setting_ = true;
    service_->setCurrentIndex(
        std::max(0, service_->findData(f.service ? static_cast<int>(*f.service) : -1)));
    keying_->setCurrentIndex(
        std::max(0, keying_->findData(f.keying ? static_cast<int>(*f.keying) : -1)));
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
    if (const int s = service_->currentData().toInt(); s >= 0) f.service = static_cast<Service>(s);
    if (const int k = keying_->currentData().toInt(); k >= 0) f.keying = static_cast<Keying>(k);
    f.min_qsa = strength_->currentData().toInt();
    f.from = tenths(from_->value());
    f.to = tenths(to_->value());
    f.words = words_->text();
    if (f == proxy_.filter()) return;
    proxy_.set_filter(f);
    emit filter_edited();
}

} // namespace zenka
