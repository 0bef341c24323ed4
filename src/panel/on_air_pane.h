#pragma once
// "On the air": what is on the air over the band (or a range of it), a list sorted by
// any column and filtered by service, kind of keying, speed, strength, a range and a word
// of the station or its calls. Enter or a double click tunes to the line's frequency.

#include "panel/band_rows.h"
#include "panel/emission_filter.h"
#include "panel/row_filter_model.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace zenka {

class OnAirModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kFreq, kStation, kCalls, kService, kKeying, kSpeed, kStrength, kChannel,
                  kColumns };
    // The role that sorts: numbers for the frequency, speed, strength and channel.
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void set_rows(std::vector<AirRow> rows);
    const std::vector<AirRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

  private:
    std::vector<AirRow> rows_;
};

// Which lines the list shows: of a service, keying and speed, and of a strength, a range
// of the dial and words of the station.
struct AirFilter : EmissionFilter {
    int min_qsa = 0;
    int from = 100, to = 10004; // 100 Hz units, both included
    QString words;              // in the station's label or calls, any case

    bool accepts(const AirRow& row) const;
    friend bool operator==(const AirFilter&, const AirFilter&) = default;
};

inline bool passes(const AirFilter& f, const AirRow& row) {
    return f.accepts(row);
}

using OnAirFilterModel = RowFilterModel<OnAirModel, AirFilter>;

class OnAirPane final : public QWidget {
    Q_OBJECT

  public:
    explicit OnAirPane(QWidget* parent = nullptr);

    // The band's lines and a sentence about them ("The band at 09:18 UTC ...").
    void show_rows(std::vector<AirRow> rows, const QString& about);

    void set_filter(const AirFilter& f);
    AirFilter filter() const { return proxy_.filter(); }

    QTableView* table() const { return table_; }
    QLineEdit* search() const { return words_; }
    EmissionFilterBar* kind() const { return kind_; }
    const OnAirModel& model() const { return model_; }
    const OnAirFilterModel& shown() const { return proxy_; }
    QString about() const;

  signals:
    // Enter or a double click on a line.
    void tune(int freq);
    // The listener changed the filter.
    void filter_edited();

  private:
    void filter_changed();
    // The line shown at `shown`, if any.
    std::optional<AirRow> line_at(const QModelIndex& shown) const;
    // Where `line` is shown now (or, failing it, the first line of its frequency).
    QModelIndex shown_line(const AirRow& line, bool or_its_frequency) const;

    OnAirModel model_;
    OnAirFilterModel proxy_{model_};
    QLabel* about_;
    EmissionFilterBar* kind_;
    QComboBox* strength_;
    QDoubleSpinBox* from_;
    QDoubleSpinBox* to_;
    QLineEdit* words_;
    QTableView* table_;
    bool setting_ = false; // the filter widgets are being set, not edited
};

} // namespace zenka
