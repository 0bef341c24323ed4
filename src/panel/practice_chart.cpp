#include "panel/practice_chart.h"

#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

#include <string>
#include <vector>

namespace zenka {
namespace {

// A bar's label beside it: the band without its unit.
QString short_label(const std::string& label) {
    QString s = QString::fromStdString(label);
    s.remove(QStringLiteral(" wpm"));
    return s;
}

} // namespace

PracticeChart::PracticeChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("practice_chart"));
    setAccessibleName(QStringLiteral("Practice chart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    show_summary({});
}

void PracticeChart::show_summary(const PracticeSummary& s) {
    summary_ = s;
    setAccessibleDescription(QString::fromStdString(to_text(s)));
    setToolTip(accessibleDescription());
    update();
}

QSize PracticeChart::sizeHint() const {
    return {340, 150};
}

QSize PracticeChart::minimumSizeHint() const {
    return {240, 110};
}

void PracticeChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.base());
    const QFontMetrics fm = fontMetrics();
    const int line = fm.height();
    // Two groups side by side, a bar a row: its label, the share right, the figure.
    const std::vector<const std::vector<Accuracy>*> groups = {&summary_.by_speed,
                                                              &summary_.by_keying};
    const QString titles[] = {QStringLiteral("By speed (wpm)"), QStringLiteral("By keying")};
    const int gap = 10;
    const int group_w = (width() - 3 * gap) / 2;
    const int figure_w = fm.horizontalAdvance(QStringLiteral("100%")) + 4;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::vector<Accuracy>& bars = *groups[g];
        const int left = gap + static_cast<int>(g) * (group_w + gap);
        p.setPen(pal.color(QPalette::Text));
        p.drawText(QRect(left, 2, group_w, line), Qt::AlignLeft | Qt::AlignVCenter, titles[g]);
        if (bars.empty()) continue;
        int label_w = 0;
        for (const Accuracy& a : bars)
            label_w = std::max(label_w, fm.horizontalAdvance(short_label(a.label)));
        label_w += 6;
        const int row_h = std::max(line, (height() - line - 8) / static_cast<int>(bars.size()));
        const int bar_w = std::max(group_w - label_w - figure_w, 10);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const Accuracy& a = bars[i];
            const int y = line + 6 + static_cast<int>(i) * row_h;
            const QRect bar(left + label_w, y + 2, bar_w, row_h - 4);
            p.setPen(pal.color(QPalette::Text));
            p.drawText(QRect(left, y, label_w, row_h), Qt::AlignLeft | Qt::AlignVCenter,
                       short_label(a.label));
            QString figure = QStringLiteral("-");
            if (a.attempts > 0) {
                p.fillRect(QRect(bar.left(), bar.top(),
                                 static_cast<int>(a.accuracy() * bar.width()), bar.height()),
                           pal.color(QPalette::Highlight));
                figure = QString::number(100.0 * a.accuracy(), 'f', 0) + QLatin1Char('%');
            }
            p.setPen(pal.color(QPalette::Mid));
            p.setBrush(Qt::NoBrush);
            p.drawRect(bar.adjusted(0, 0, -1, -1));
            p.setPen(pal.color(QPalette::Text));
            p.drawText(QRect(bar.right() + 4, y, figure_w, row_h), Qt::AlignLeft | Qt::AlignVCenter,
                       figure);
        }
    }
}

} // namespace zenka
