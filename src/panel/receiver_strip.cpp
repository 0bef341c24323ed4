#include "panel/receiver_strip.h"

#include "panel/frequency_dial.h"
#include "shell/dial.h"

#include <QAccessible>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace zenka {
namespace {

using Switch = ReceiverStrip::Switch;

// A switch as shown ("ATT: off") and as a screen reader says it ("Attenuator off").
struct SwitchWords {
    QString shown;
    QString spoken;
};

QString on_off(int on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

SwitchWords words(Switch s, const ReceiverSettings& r) {
    switch (s) {
    case Switch::att:
        return {QStringLiteral("ATT: ") + on_off(r.att),
                QStringLiteral("Attenuator ") + on_off(r.att)};
    case Switch::filter:
        return narrow(r.filter)
                   ? SwitchWords{QStringLiteral("FLT1: 1 kHz"), QStringLiteral("Filter 1 kHz wide")}
                   : SwitchWords{QStringLiteral("FLT2: 2 kHz"),
                                 QStringLiteral("Filter 2 kHz wide")};
    case Switch::hist:
        return {QStringLiteral("HIST: ") + on_off(r.hist),
                QStringLiteral("Historical stations ") + on_off(r.hist)};
    case Switch::clips:
        return {QStringLiteral("CLIP: ") + on_off(r.clips),
                QStringLiteral("Audio clips ") + on_off(r.clips)};
    case Switch::bkgnd:
        return {QStringLiteral("BGND: ") + on_off(r.bkgnd),
                QStringLiteral("Background stations ") + on_off(r.bkgnd)};
    case Switch::qrn:
        return {QStringLiteral("QRN: ") + on_off(r.qrn),
                QStringLiteral("Band noise ") + on_off(r.qrn)};
    case Switch::sampling:
        return r.sampling == 3 ? SwitchWords{QStringLiteral("SMPL: 3, lower pitch"),
                                             QStringLiteral("Sampling 3, a quarter lower pitch")}
                               : SwitchWords{QStringLiteral("SMPL: 4, normal pitch"),
                                             QStringLiteral("Sampling 4, normal pitch")};
    case Switch::scan:
        return {QStringLiteral("SCAN: ") + on_off(r.scan),
                QStringLiteral("Scan ") + on_off(r.scan)};
    }
    return {};
}

struct SwitchInfo {
    Switch which;
    const char* object_name;
    const char* description;
};

constexpr SwitchInfo kSwitchInfo[ReceiverStrip::kSwitches] = {
    {Switch::att, "switch_att", "The attenuator: every signal one strength step weaker. Retunes."},
    {Switch::filter, "switch_filter", "The audio filter, 2 kHz or 1 kHz wide. Retunes."},
    {Switch::hist, "switch_hist",
     "The historical stations, those that went off the air before the 1950s. Retunes."},
    {Switch::clips, "switch_clips", "The audio clips. Retunes."},
    {Switch::bkgnd, "switch_bkgnd",
     "The background stations: broadcast carriers, voice, teleprinter, facsimile. Retunes."},
    {Switch::qrn, "switch_qrn", "The band noise."},
    {Switch::sampling, "switch_sampling",
     "The playback rate of the stations: 4 normal pitch, 3 a quarter lower. Retunes."},
    {Switch::scan, "switch_scan", "The scan: up by the fine step every 200 ms."},
};

constexpr const char* kEntryDescription =
    "Type a frequency in kHz, 10.0 to 1000.4 in steps of 0.1, and press Enter.";

// Says `text` to assistive technology as the widget's name when it changed.
void set_spoken(QWidget* w, const QString& text) {
    if (w->accessibleName() != text) w->setAccessibleName(text);
}

} // namespace

TypedFrequency read_typed_frequency(const QString& typed) {
    QString t = typed.trimmed();
    if (t.endsWith(QStringLiteral("khz"), Qt::CaseInsensitive)) t = t.chopped(3).trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const QString dial = QStringLiteral("The dial goes from 10.0 kHz up to 1000.4 kHz.");
    if (t.isEmpty()) return {0, QStringLiteral("Type a frequency in kHz, such as 500 or 136.5.")};
    const DialReading r = read_khz(t.toStdString());
    switch (r.error) {
    case DialReading::Error::none:
        return {r.freq, {}};
    case DialReading::Error::not_a_number:
        return {0, QStringLiteral("\u201c%1\u201d is not a number of kHz, such as 500 or 136.5.")
                       .arg(typed.trimmed().left(40))};
    case DialReading::Error::below:
        return {0, QStringLiteral("%1 kHz is below the dial. ").arg(t) + dial};
    case DialReading::Error::above:
        return {0, QStringLiteral("%1 kHz is above the dial. ").arg(t) + dial};
    case DialReading::Error::off_raster:
        return {0,
                QStringLiteral("%1 kHz is between two steps: the dial moves in steps of 0.1 kHz.")
                    .arg(t)};
    }
    return {0, dial};
}

ReceiverStrip::ReceiverStrip(Receiver& rx, QWidget* parent) : QWidget(parent), rx_(rx) {
    dial_ = new FrequencyDial(this);
    connect(dial_, &FrequencyDial::step, this, [this](Receiver::Step s) { rx_.step(s); });
    connect(dial_, &FrequencyDial::tune, this, [this](int freq) { rx_.tune(freq); });

    meter_ = new QProgressBar(this);
    meter_->setObjectName(QStringLiteral("smeter"));
    meter_->setRange(0, 5);
    meter_->setFormat(QStringLiteral("S-meter %v of 5"));
    meter_->setAccessibleName(QStringLiteral("S-meter"));
    meter_->setAccessibleDescription(
        QStringLiteral("The strength of the station last heard, 0 to 5."));
    meter_->setFocusPolicy(Qt::TabFocus);

    auto* entry_label = new QLabel(QStringLiteral("&Tune to:"), this);
    entry_ = new QLineEdit(this);
    entry_->setObjectName(QStringLiteral("entry"));
    entry_->setPlaceholderText(QStringLiteral("kHz, 10.0 - 1000.4"));
    entry_->setAccessibleName(QStringLiteral("Tune to frequency"));
    entry_->setMaxLength(40);
    entry_label->setBuddy(entry_);
    connect(entry_, &QLineEdit::returnPressed, this, &ReceiverStrip::tune_to_entry);
    connect(entry_, &QLineEdit::textEdited, this, [this] { show_entry_error({}); });
    auto* go = new QPushButton(QStringLiteral("Tune"), this);
    go->setObjectName(QStringLiteral("tune"));
    go->setAccessibleName(QStringLiteral("Tune"));
    go->setAccessibleDescription(QStringLiteral("Tunes to the frequency typed."));
    go->setAutoDefault(false);
    connect(go, &QPushButton::clicked, this, &ReceiverStrip::tune_to_entry);
    entry_error_ = new QLabel(this);
    entry_error_->setObjectName(QStringLiteral("entry_error"));
    entry_error_->setWordWrap(true);
    entry_error_->setAccessibleName(QStringLiteral("Frequency entry"));
    QPalette warn = entry_error_->palette();
    warn.setColor(QPalette::WindowText, QColor(170, 30, 30));
    entry_error_->setPalette(warn);

    auto* top = new QHBoxLayout;
    top->addWidget(dial_);
    top->addWidget(meter_, 1);
    auto* typed = new QHBoxLayout;
    typed->addWidget(entry_label);
    typed->addWidget(entry_, 1);
    typed->addWidget(go);

    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    for (int i = 0; i < kSwitches; ++i) {
        const SwitchInfo& info = kSwitchInfo[i];
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(info.object_name));
        b->setAccessibleDescription(QString::fromLatin1(info.description));
        b->setToolTip(QString::fromLatin1(info.description));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, s = info.which] { toggle(s); });
        switches_[static_cast<int>(info.which)] = b;
        grid->addWidget(b, i / 4, i % 4);
    }

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(top);
    column->addLayout(typed);
    column->addWidget(entry_error_);
    column->addLayout(grid);
    show_entry_error({});
    show_receiver(0);
}

void ReceiverStrip::show_receiver(int qsa) {
    dial_->show_freq(rx_.settings.freq);
    if (meter_->value() != qsa) meter_->setValue(qsa);
    for (int i = 0; i < kSwitches; ++i) {
        const SwitchWords w = words(static_cast<Switch>(i), rx_.settings);
        QPushButton* b = switches_[i];
        if (b->text() != w.shown) b->setText(w.shown);
        set_spoken(b, w.spoken);
    }
}

void ReceiverStrip::toggle(Switch s) {
    switch (s) {
    case Switch::att:
        rx_.toggle_att();
        break;
    case Switch::filter:
        rx_.toggle_filter();
        break;
    case Switch::hist:
        rx_.toggle_hist();
        break;
    case Switch::clips:
        rx_.toggle_clips();
        break;
    case Switch::bkgnd:
        rx_.toggle_bkgnd();
        break;
    case Switch::qrn:
        rx_.toggle_qrn();
        break;
    case Switch::sampling:
        rx_.toggle_sampling();
        break;
    case Switch::scan:
        rx_.toggle_scan();
        break;
    }
}

QString ReceiverStrip::entry_error() const {
    return entry_error_->text();
}

void ReceiverStrip::show_entry_error(const QString& why) {
    entry_error_->setText(why);
    entry_error_->setVisible(!why.isEmpty());
    set_spoken(entry_error_, why.isEmpty() ? QStringLiteral("Frequency entry") : why);
    entry_->setAccessibleDescription(why.isEmpty() ? QString::fromLatin1(kEntryDescription) : why);
    if (!why.isEmpty()) {
        QAccessibleEvent alert(entry_error_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void ReceiverStrip::tune_to_entry() {
    const TypedFrequency typed = read_typed_frequency(entry_->text());
    if (!typed.error.isEmpty()) {
        show_entry_error(typed.error);
        return;
    }
    show_entry_error({});
    entry_->selectAll();
    rx_.tune(typed.freq);
}

} // namespace zenka
