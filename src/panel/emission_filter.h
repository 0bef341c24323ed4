#pragma once
// Which emissions a list shows by what they are: a service, a kind of keying and a range
// of speeds; and the row of controls that sets it, which "On the air" and "Coming up"
// both carry.

#include "panel/band_rows.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QSpinBox;

namespace zenka {

struct EmissionFilter {
    // The fastest speed the controls offer; a machine burst goes far above any hand.
    static constexpr int kTopSpeed = 999;

    std::optional<Service> service;
    std::optional<Keying> keying;
    // Words per minute, both included; 0 sets no bound. With a bound only keyed lines pass.
    int spd_from = 0, spd_to = 0;

    bool accepts(const Emission& e) const;
    friend bool operator==(const EmissionFilter&, const EmissionFilter&) = default;
};

// The services a listener can choose from, in the order offered.
std::vector<Service> listed_services();

class EmissionFilterBar final : public QWidget {
    Q_OBJECT

  public:
    // `prefix` starts the controls' object names ("filter" gives "filter_service",
    // "filter_keying", "filter_speed_from", "filter_speed_to").
    EmissionFilterBar(const QString& prefix, QWidget* parent = nullptr);

    EmissionFilter filter() const;
    // Sets the controls without a `changed`.
    void set_filter(const EmissionFilter& f);

    QComboBox* service() const { return service_; }
    QComboBox* keying() const { return keying_; }
    QSpinBox* speed_from() const { return from_; }
    QSpinBox* speed_to() const { return to_; }

  signals:
    // The listener changed a control.
    void changed();

  private:
    QComboBox* service_;
    QComboBox* keying_;
    QSpinBox* from_;
    QSpinBox* to_;
    bool setting_ = false;
};

} // namespace zenka
