#pragma once
// "Coming up": when the next broadcasts go on the air, with what: for the tuned
// frequency over the day, or for the whole band over the next hour; filtered by
// service, kind of keying and speed. Enter or a double click tunes to the line's
// frequency.

#include "panel/band_rows.h"
#include "panel/emission_filter.h"
#include "panel/row_filter_model.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <vector>

class QLabel;
class QRadioButton;
class QTableView;

namespace zenka {

class ComingUpModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kWhen, kIn, kFreq, kStation, kCalls, kService, kKeying, kSpeed, kStrength,
                  kColumns };

    using QAbstractTableModel::QAbstractTableModel;

    // The lines, and the moment "in" counts from.
    void set_rows(std::vector<ComingRow> rows, UtcInstant now);
    // The moment "in" counts from, as the clock runs.
    void set_now(UtcInstant now);
    const std::vector<ComingRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

    // "in 7 min", "in 2 h 05 min", "now".
    static QString in_cell(UtcInstant at, UtcInstant now);

  private:
    std::vector<ComingRow> rows_;
    UtcInstant now_{};
};

inline bool passes(const EmissionFilter& f, const ComingRow& row) {
    return f.accepts(row.emission);
}

// The lines the filter lets through, in time order still.
using ComingFilterModel = RowFilterModel<ComingUpModel, EmissionFilter>;

class ComingUpPane final : public QWidget {
    Q_OBJECT

  public:
    // What the list covers.
    enum class Scope { frequency_day, band_hour };

    explicit ComingUpPane(QWidget* parent = nullptr);

    void show_rows(std::vector<ComingRow> rows, UtcInstant now, const QString& about);
    void show_now(UtcInstant now) { model_.set_now(now); }
    Scope scope() const;
    void set_scope(Scope s);

    void set_filter(const EmissionFilter& f);
    EmissionFilter filter() const { return proxy_.filter(); }

    QTableView* table() const { return table_; }
    const ComingUpModel& model() const { return model_; }
    const ComingFilterModel& shown() const { return proxy_; }
    EmissionFilterBar* kind() const { return kind_; }
    QString about() const;

  signals:
    void tune(int freq);
    void scope_changed(Scope s);
    // The listener changed the filter.
    void filter_edited();

  private:
    ComingUpModel model_;
    ComingFilterModel proxy_{model_};
    QLabel* about_;
    EmissionFilterBar* kind_;
    QRadioButton* frequency_;
    QRadioButton* band_;
    QTableView* table_;
};

} // namespace zenka
