#pragma once
// The practice summary as a small bar chart: how much of the keyed text was copied right,
// by speed band and by kind of keying. A screen reader is given the same figures as text.

#include "shell/practice_log.h"

#include <QWidget>

namespace zenka {

class PracticeChart final : public QWidget {
    Q_OBJECT

  public:
    explicit PracticeChart(QWidget* parent = nullptr);

    void show_summary(const PracticeSummary& s);
    const PracticeSummary& summary() const { return summary_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PracticeSummary summary_;
};

} // namespace zenka
