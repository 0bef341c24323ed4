#pragma once
// Timer recordings in the band window: a form "record F kHz from UTC T for N
// minutes", the list of timers with their state, and Cancel (or Delete) for the
// one chosen. The timers are TimerRecordings', kept in their file between runs;
// ticked with the window, they tune, record and tune back at their times by the
// receiver's clock.

#include "platform/clock.h"
#include "shell/timer_recordings.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace zenka {

class TimerModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kFreq, kStart, kMinutes, kState, kNote, kColumns };

    using QAbstractTableModel::QAbstractTableModel;

    // The timers as the list has them; the view is told only when they changed.
    void set_timers(const std::vector<TimerRecording>& timers);
    const std::vector<TimerRecording>& timers() const { return timers_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

  private:
    std::vector<TimerRecording> timers_;
};

class TimerPane final : public QWidget {
    Q_OBJECT

  public:
    TimerPane(TimerRecordings& timers, const Clock& clock, QWidget* parent = nullptr);

    // Reads the kept timers and says what was wrong with the file, if anything.
    void load();
    // Does what the clock asks for (a start, an end) and shows the list.
    void tick();
    // Called just before a timer starts, to say where it records.
    void set_before_start(std::function<void()> f) { before_start_ = std::move(f); }
    // Adds the timer the form describes. False, with the message, when it cannot.
    bool add();
    // Cancels the timer chosen in the list (or stops it when it records).
    bool cancel_selected();

    QLineEdit* frequency_field() const { return freq_; }
    QLineEdit* start_field() const { return start_; }
    QSpinBox* minutes_box() const { return minutes_; }
    QPushButton* add_button() const { return add_; }
    QPushButton* cancel_button() const { return cancel_; }
    QTableView* table() const { return table_; }
    const TimerModel& model() const { return model_; }
    // What is due next or recording now, in one line.
    QString about() const;
    QString message() const;

    // "2026-12-09T06:15:00Z", as the start field takes it.
    static QString time_text(UtcInstant at);

  private:
    void show_list();
    void show_message(const QString& text);

    TimerRecordings& timers_;
    const Clock& clock_;
    TimerModel model_;
    std::function<void()> before_start_;
    QLineEdit* freq_;
    QLineEdit* start_;
    QSpinBox* minutes_;
    QPushButton* add_;
    QPushButton* cancel_;
    QPushButton* clear_;
    QTableView* table_;
    QLabel* about_;
    QLabel* message_;
};

} // namespace zenka
