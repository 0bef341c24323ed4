#pragma once
// "Stations": the station directory (shell/station_directory.h), built on the window's
// query thread as the window opens, searched by call, place or service. For the selected station, when it is next on the air, worked out on the
// window's query thread. Enter or a double click tunes to it: where it is on the air, or
// where it comes on next; a station not on now is said to be so, with when it comes on,
// in a line of its own.

#include "platform/clock.h"
#include "shell/on_air.h"
#include "shell/query_worker.h"
#include "shell/station_directory.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QWidget>

#include <chrono>
#include <functional>
#include <map>
#include <optional>

class QLabel;
class QLineEdit;
class QTableView;

namespace zenka {

class DirectoryModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kStation, kService, kFreqs, kNext, kColumns };
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // The directory's entries, once it is built (none before).
    void set_directory(const StationDirectory* directory);
    const std::vector<DirectoryEntry>& entries() const;
    // What the query found for an entry.
    struct Answer {
        UtcInstant asked{};
        ReceiverSettings settings; // the switches it was worked out with
        NextOnAir next;
    };
    void set_answer(std::size_t entry, const Answer& a);
    const Answer* answer(std::size_t entry) const;
    // The moment "in" counts from.
    void set_now(UtcInstant now);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

  private:
    const StationDirectory* directory_ = nullptr;
    std::map<std::size_t, Answer> answers_;
    UtcInstant now_{};
};

class DirectoryFilter final : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void set_words(const QString& words);

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    std::vector<std::string> words_;
};

// "on the air now", "14:30 UTC, in 5 h 12 min", "not within 24 h"
QString next_cell(const NextOnAir& next, UtcInstant now);

class DirectoryPane final : public QWidget {
    Q_OBJECT

  public:
    // What the queries compose with: the receiver's switches as they are now.
    using Query = std::function<OnAirQuery()>;

    DirectoryPane(QueryWorker& worker, const Clock& clock, Query query,
                  QWidget* parent = nullptr);

    QLineEdit* search() const { return search_; }
    QTableView* table() const { return table_; }
    const DirectoryModel& model() const { return model_; }
    const DirectoryFilter& shown() const { return proxy_; }
    // The directory's index of the selected line.
    std::optional<std::size_t> selected() const;
    // When the selected station is next on the air.
    QString next_text() const;
    // What tuning to a station said.
    QString notice() const;

    // Tunes to the selected station, once it is known where it is heard.
    void tune_selected();

  signals:
    void tune(int freq);

  private:
    void ask(std::size_t entry, bool then_tune);
    void answered(std::size_t entry, const DirectoryModel::Answer& a, bool then_tune);
    void show_next();
    void go(std::size_t entry, const NextOnAir& next);

    void show_count();

    QueryWorker& worker_;
    const Clock& clock_;
    Query query_;
    DirectoryModel model_;
    DirectoryFilter proxy_;
    QLineEdit* search_;
    QTableView* table_;
    QLabel* count_;
    QLabel* next_;
    QLabel* notice_;
};

} // namespace zenka
