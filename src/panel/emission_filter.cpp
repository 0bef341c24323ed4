#include "panel/emission_filter.h"

#include "panel/emission_cells.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSpinBox>

#include <algorithm>

namespace zenka {

std::vector<Service> listed_services() {
    std::vector<Service> out;
    for (int s = static_cast<int>(Service::maritime); s <= static_cast<int>(Service::background);
         ++s)
        out.push_back(static_cast<Service>(s));
    return out;
}

bool EmissionFilter::accepts(const Emission& e) const {
    if (service && e.station.service != *service) return false;
    const bool keyed = e.kind == Emission::Kind::keyed;
    if (keying && (!keyed || e.keying != *keying)) return false;
    if (spd_from > 0 && (!keyed || e.spd < spd_from)) return false;
    if (spd_to > 0 && (!keyed || e.spd > spd_to)) return false;
    return true;
}

namespace {

QSpinBox* speed_box(QWidget* parent, const QString& name, const QString& prefix,
                    const QString& none) {
    auto* b = new QSpinBox(parent);
    b->setObjectName(name);
    b->setRange(0, EmissionFilter::kTopSpeed);
    b->setPrefix(prefix);
    b->setSuffix(QStringLiteral(" wpm"));
    b->setSpecialValueText(none);
    b->setKeyboardTracking(false);
    return b;
}

} // namespace

EmissionFilterBar::EmissionFilterBar(const QString& prefix, QWidget* parent) : QWidget(parent) {
    setObjectName(prefix + QStringLiteral("_kind"));
    service_ = new QComboBox(this);
    service_->setObjectName(prefix + QStringLiteral("_service"));
    service_->addItem(QStringLiteral("Any service"), -1);
    for (const Service s : listed_services())
        service_->addItem(qstring(service_name(s)), static_cast<int>(s));
    service_->setAccessibleName(QStringLiteral("Service"));
    service_->setAccessibleDescription(QStringLiteral("Shows only the stations of one service."));

    keying_ = new QComboBox(this);
    keying_->setObjectName(prefix + QStringLiteral("_keying"));
    keying_->addItem(QStringLiteral("Any keying"), -1);
    for (const Keying k : kKeyings)
        keying_->addItem(qstring(keying_name(k)), static_cast<int>(k));
    keying_->setAccessibleName(QStringLiteral("Keying"));
    keying_->setAccessibleDescription(
        QStringLiteral("Shows only the stations keyed so: machine, hand, bug, spark or F1."));

    from_ = speed_box(this, prefix + QStringLiteral("_speed_from"), QStringLiteral("from "),
                      QStringLiteral("Any speed"));
    from_->setAccessibleName(QStringLiteral("Slowest speed"));
    from_->setAccessibleDescription(
        QStringLiteral("Shows only the stations keyed at least this fast, in words per minute."));
    to_ = speed_box(this, prefix + QStringLiteral("_speed_to"), QStringLiteral("to "),
                    QStringLiteral("to any"));
    to_->setAccessibleName(QStringLiteral("Fastest speed"));
    to_->setAccessibleDescription(
        QStringLiteral("Shows only the stations keyed at most this fast, in words per minute."));

    const auto edited = [this] {
        if (!setting_) emit changed();
    };
    for (QComboBox* box : {service_, keying_})
        connect(box, &QComboBox::currentIndexChanged, this, edited);
    for (QSpinBox* box : {from_, to_})
        connect(box, &QSpinBox::valueChanged, this, edited);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(service_);
    row->addWidget(keying_);
    row->addWidget(from_);
    row->addWidget(to_);
}

EmissionFilter EmissionFilterBar::filter() const {
    EmissionFilter f;
    if (const int s = service_->currentData().toInt(); s >= 0) f.service = static_cast<Service>(s);
    if (const int k = keying_->currentData().toInt(); k >= 0) f.keying = static_cast<Keying>(k);
    f.spd_from = from_->value();
    f.spd_to = to_->value();
    return f;
}

void EmissionFilterBar::set_filter(const EmissionFilter& f) {
    setting_ = true;
    service_->setCurrentIndex(
        std::max(0, service_->findData(f.service ? static_cast<int>(*f.service) : -1)));
    keying_->setCurrentIndex(
        std::max(0, keying_->findData(f.keying ? static_cast<int>(*f.keying) : -1)));
    from_->setValue(f.spd_from);
    to_->setValue(f.spd_to);
    setting_ = false;
}

} // namespace zenka
