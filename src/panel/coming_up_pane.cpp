#include "panel/coming_up_pane.h"

#include "panel/emission_cells.h"
#include "panel/pane_table.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include <chrono>
#include <utility>

namespace zenka {

void ComingUpModel::set_rows(std::vector<ComingRow> rows, UtcInstant now) {
    beginResetModel();
    rows_ = std::move(rows);
    now_ = now;
    endResetModel();
}

void ComingUpModel::set_now(UtcInstant now) {
    now_ = now;
    if (rowCount() > 0) emit dataChanged(index(0, kIn), index(rowCount() - 1, kIn));
}

int ComingUpModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ComingUpModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString ComingUpModel::in_cell(UtcInstant at, UtcInstant now) {
    const auto minutes = std::chrono::ceil<std::chrono::minutes>(at - now).count();
    if (minutes <= 0) return QStringLiteral("now");
    if (minutes < 60) return QStringLiteral("in %1 min").arg(minutes);
    return QStringLiteral("in %1 h %2 min")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QVariant ComingUpModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const ComingRow& row = rows_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case kWhen:
        return utc_cell(row.at);
    case kIn:
        return in_cell(row.at, now_);
    case kFreq:
        return khz_cell(row.freq);
    case kStation:
        return station_cell(row.emission, true);
    case kCalls:
        return calls_cell(row.emission);
    case kService:
        return service_cell(row.emission);
    case kKeying:
        return keying_cell(row.emission);
    case kSpeed:
        return speed_cell(row.emission);
    case kStrength:
        return strength_cell(row.emission);
    default:
        return {};
    }
}

QVariant ComingUpModel::headerData(int section, Qt::Orientation o, int role) const {
    static const char* const kHeads[kColumns] = {"UTC",     "In",    "kHz",   "Station", "Calls",
                                                 "Service", "Keying", "Speed", "Strength"};
    return heading(kHeads, section, o, role);
}

ComingUpPane::ComingUpPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("coming_up"));
    about_ = new QLabel(this);
    about_->setObjectName(QStringLiteral("coming_about"));
    about_->setWordWrap(true);

    frequency_ = new QRadioButton(QStringLiteral("This &frequency, the day"), this);
    frequency_->setObjectName(QStringLiteral("scope_frequency"));
    frequency_->setAccessibleName(QStringLiteral("This frequency, the day"));
    frequency_->setAccessibleDescription(
        QStringLiteral("Lists the next broadcasts of the tuned frequency over 24 hours."));
    band_ = new QRadioButton(QStringLiteral("The &band, the next hour"), this);
    band_->setObjectName(QStringLiteral("scope_band"));
    band_->setAccessibleName(QStringLiteral("The band, the next hour"));
    band_->setAccessibleDescription(
        QStringLiteral("Lists what goes on the air anywhere on the band within the hour."));
    frequency_->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(frequency_);
    group->addButton(band_);
    connect(group, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on) emit scope_changed(scope());
    });

    kind_ = new EmissionFilterBar(QStringLiteral("coming"), this);
    connect(kind_, &EmissionFilterBar::changed, this, [this] {
        const EmissionFilter f = kind_->filter();
        if (f == proxy_.filter()) return;
        proxy_.set_filter(f);
        emit filter_edited();
    });

    table_ = pane_table(this, &proxy_, QStringLiteral("coming_table"), QStringLiteral("Coming up"),
                        QStringLiteral("The next broadcasts: when, at which frequency, who. Enter "
                                       "or a double click tunes there."));
    table_->horizontalHeader()->setSectionResizeMode(ComingUpModel::kStation, QHeaderView::Stretch);
    connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) {
        const QModelIndex source = proxy_.mapToSource(index);
        if (source.isValid()) emit tune(model_.rows()[static_cast<std::size_t>(source.row())].freq);
    });

    auto* scopes = new QHBoxLayout;
    scopes->addWidget(frequency_);
    scopes->addWidget(band_);
    scopes->addStretch(1);
    scopes->addWidget(kind_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(about_);
    column->addLayout(scopes);
    column->addWidget(table_, 1);
}

void ComingUpPane::show_rows(std::vector<ComingRow> rows, UtcInstant now, const QString& about) {
    model_.set_rows(std::move(rows), now);
    say(about_, about);
}

ComingUpPane::Scope ComingUpPane::scope() const {
    return band_->isChecked() ? Scope::band_hour : Scope::frequency_day;
}

void ComingUpPane::set_scope(Scope s) {
    (s == Scope::band_hour ? band_ : frequency_)->setChecked(true);
}

void ComingUpPane::set_filter(const EmissionFilter& f) {
    kind_->set_filter(f);
    proxy_.set_filter(f);
}

QString ComingUpPane::about() const {
    return about_->text();
}

} // namespace zenka
