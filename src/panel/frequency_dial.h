#pragma once
// The band window's frequency read-out: the tuned frequency in large figures. With
// the keyboard focus the panel's cursor and page keys tune; over it the mouse wheel
// tunes one fine step a notch. A screen reader sees it as a dial whose value is the
// frequency in kHz, told of every change.

#include "shell/receiver.h"

#include <QWidget>

#include <functional>

namespace zenka {

class FrequencyDial final : public QWidget {
    Q_OBJECT

  public:
    explicit FrequencyDial(QWidget* parent = nullptr);

    // Shows `freq` (100 Hz units) and tells assistive technology when it changed.
    void show_freq(int freq);
    int freq() const { return freq_; }
    // The text shown, "500.0 kHz".
    QString text() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // A key, or a wheel notch, asks for a step.
    void step(Receiver::Step s);
    // Assistive technology set a value: a frequency (100 Hz units) on the dial.
    void tune(int freq);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int freq_ = 0;
    int wheel_ = 0; // eighths of a degree turned and not yet stepped
};

} // namespace zenka
