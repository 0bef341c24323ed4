#pragma once
// The top of the band window: the frequency read-out, the S-meter, a field to type a
// frequency, and every switch of the receiver with its state in words. Each switch
// works as its panel button does.

#include "shell/receiver.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zenka {

class FrequencyDial;

class ReceiverStrip final : public QWidget {
    Q_OBJECT

  public:
    // The switches, in the order shown.
    enum class Switch { att, filter, hist, clips, bkgnd, qrn, sampling, scan };
    static constexpr int kSwitches = 8;

    ReceiverStrip(Receiver& rx, QWidget* parent = nullptr);

    // Shows the receiver's frequency and switches, and the S-meter at `qsa`.
    void show_receiver(int qsa);

    FrequencyDial* dial() const { return dial_; }
    QLineEdit* entry() const { return entry_; }
    QPushButton* switch_button(Switch s) const { return switches_[static_cast<int>(s)]; }
    // What the field says of the last entry: empty, or why it was not tuned.
    QString entry_error() const;

    // Reads the field and tunes there; a bad entry says why under the field.
    void tune_to_entry();

  private:
    void toggle(Switch s);
    void show_entry_error(const QString& why);

    Receiver& rx_;
    FrequencyDial* dial_;
    QProgressBar* meter_;
    QLineEdit* entry_;
    QLabel* entry_error_;
    std::array<QPushButton*, kSwitches> switches_{};
};

// What a frequency typed in the field reads as: the frequency (100 Hz units), or why
// it is not one of the dial. Takes "500", "500.5", "500,5" and "500.5 kHz".
struct TypedFrequency {
    int freq = 0;
    QString error; // empty when `freq` is good
};
TypedFrequency read_typed_frequency(const QString& typed);

} // namespace zenka
