#pragma once
// "Now hearing": one line per playing channel (station, calls, service, speed,
// strength, time left), the carriers and recordings named; under it the text of the
// chosen line as it has been keyed so far, which a switch hides for those who copy
// by ear.

#include "panel/band_rows.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <cstdint>
#include <vector>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QTableView;

namespace zenka {

class NowHearingModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kChannel, kStation, kCalls, kService, kSpeed, kStrength, kTimeLeft, kColumns };

    using QAbstractTableModel::QAbstractTableModel;

    void set_rows(std::vector<HearingRow> rows);
    // The time since the channels started; the time-left cells follow it.
    void set_elapsed(std::uint32_t ms);
    const std::vector<HearingRow>& rows() const { return rows_; }
    std::uint32_t elapsed() const { return elapsed_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

    // A row's time left: "2:13", "ended", "steady" for a carrier, "" for a recording.
    static QString time_left(const HearingRow& row, std::uint32_t elapsed_ms);
    // A row read out as one line.
    static QString line(const HearingRow& row, std::uint32_t elapsed_ms);

  private:
    std::vector<HearingRow> rows_;
    std::uint32_t elapsed_ = 0;
};

class NowHearingPane final : public QWidget {
    Q_OBJECT

  public:
    explicit NowHearingPane(QWidget* parent = nullptr);

    // What a retune started.
    void show_rows(std::vector<HearingRow> rows);
    // Time since the channels started: time left and the text as keyed follow it.
    void show_elapsed(std::uint32_t ms);

    void set_text_shown(bool shown);
    bool text_shown() const;
    // The text of `channel` (0 .. 6) is not shown, whatever the switch, while it is
    // copied by ear; -1 shows every text again.
    void hide_text_of(int channel);

    QTableView* table() const { return table_; }
    QCheckBox* text_switch() const { return text_switch_; }
    // The text shown for the chosen line: what has been keyed so far.
    QString shown_text() const;
    // "Hearing WMH/BALTIMORE, maritime, and 2 more" as a screen reader is told it.
    QString summary() const;
    const NowHearingModel& model() const { return model_; }

  private:
    void show_text();
    int chosen_row() const;

    NowHearingModel model_;
    QLabel* summary_;
    QTableView* table_;
    QCheckBox* text_switch_;
    QLabel* text_label_;
    QPlainTextEdit* text_;
    int text_row_ = -1;          // the row whose text is shown
    int hidden_channel_ = -1;    // the channel being copied
    std::size_t text_chars_ = 0; // how much of it
};

} // namespace zenka
