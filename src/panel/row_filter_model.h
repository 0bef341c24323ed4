#pragma once
// The lines of a pane's list that its filter lets through: `passes(filter, row)` decides
// for each row of the model's rows().

#include <QSortFilterProxyModel>

#include <cstddef>

namespace zenka {

template <class Model, class Filter> class RowFilterModel final : public QSortFilterProxyModel {
  public:
    explicit RowFilterModel(Model& source, QObject* parent = nullptr)
        : QSortFilterProxyModel(parent), source_(source) {
        setSourceModel(&source);
    }

    void set_filter(const Filter& f) {
        if (f == filter_) return;
        filter_ = f;
        invalidateFilter();
    }
    const Filter& filter() const { return filter_; }

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        if (parent.isValid() || row < 0 || row >= source_.rowCount()) return false;
        return passes(filter_, source_.rows()[static_cast<std::size_t>(row)]);
    }

  private:
    Model& source_;
    Filter filter_;
};

} // namespace zenka
