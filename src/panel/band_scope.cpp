#include "panel/band_scope.h"

#include "panel/scale_label.h"
#include "shell/dial.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zenka {
namespace {

constexpr int kColumns = 2 * kScopeReach + 1;

QString khz(int freq) {
    return QString::fromStdString(dial_text(freq));
}

QString filter_name(Filter f, bool cw) {
    if (cw) return QStringLiteral("the CW filter");
    return narrow(f) ? QStringLiteral("FLT1") : QStringLiteral("FLT2");
}

// A trace's colour: brighter the stronger, the tuned channels warmer.
QColor trace_colour(const ScopeTrace& t, float level) {
    const double v = 0.35 + 0.65 * std::clamp<double>(level, 0.0, 1.0);
    return t.tuned ? QColor::fromRgbF(static_cast<float>(v), static_cast<float>(0.9 * v), 0.25f)
                   : QColor::fromRgbF(0.2f, static_cast<float>(v), static_cast<float>(0.6 * v));
}

} // namespace

BandScope::BandScope(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("band_scope"));
    setAccessibleName(QStringLiteral("Band scope"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    passband_ = scope_passband(filter_, cw_);
    describe();
}

void BandScope::set_dial(int dial) {
    dial_ = dial;
    cursor_ = dial;
    if (scope_.dial != dial) scope_ = Scope{};
    describe();
    update();
}

void BandScope::show_scope(Scope scope) {
    if (scope.dial != dial_) return;
    scope_ = std::move(scope);
    describe();
    update();
}

void BandScope::set_passband(Filter filter, bool cw) {
    if (filter == filter_ && cw == cw_) return;
    filter_ = filter;
    cw_ = cw;
    passband_ = scope_passband(filter, cw);
    describe();
    update();
}

void BandScope::set_elapsed(std::uint32_t ms) {
    if (ms == elapsed_ms_) return;
    elapsed_ms_ = ms;
    update();
}

int BandScope::lowest() const {
    return std::max(kDialLowest, dial_ - kScopeReach);
}

int BandScope::highest() const {
    return std::min(kDialHighest, dial_ + kScopeReach);
}

QRect BandScope::plot() const {
    return rect().adjusted(0, kScaleHeight + kBandHeight, 0, 0);
}

QRect BandScope::band_bar() const {
    return {0, kScaleHeight, width(), kBandHeight};
}

int BandScope::freq_at(int x) const {
    const QRect p = plot();
    const int column = static_cast<int>(
        std::floor(static_cast<double>(x - p.left()) * kColumns / std::max(p.width(), 1)));
    return std::clamp(dial_ - kScopeReach + std::clamp(column, 0, kColumns - 1), lowest(),
                      highest());
}

int BandScope::x_of(int freq) const {
    const QRect p = plot();
    const double column = freq - (dial_ - kScopeReach) + 0.5;
    return p.left() + static_cast<int>(std::floor(column * p.width() / kColumns));
}

QString BandScope::summary() const {
    const int stations = static_cast<int>(scope_.traces.size());
    const int places = scope_.positions();
    QString in_view = stations == 0
                          ? QStringLiteral("no station in view")
                          : QStringLiteral("%1 station%2 in view at %3 frequenc%4")
                                .arg(stations)
                                .arg(stations == 1 ? QString() : QStringLiteral("s"))
                                .arg(places)
                                .arg(places == 1 ? QStringLiteral("y") : QStringLiteral("ies"));
    return QStringLiteral("Dial %1 kHz, %2 to %3 kHz across. Passband of %4: %5 to %6 kHz. %7. "
                          "Cursor at %8 kHz: Enter or a click tunes there.")
        .arg(khz(dial_), khz(lowest()), khz(highest()), filter_name(filter_, cw_))
        .arg(dial_ / 10.0 + passband_.low_hz / 1000.0, 0, 'f', 2)
        .arg(dial_ / 10.0 + passband_.high_hz / 1000.0, 0, 'f', 2)
        .arg(in_view, khz(cursor_));
}

void BandScope::describe() {
    setAccessibleDescription(summary());
    setToolTip(summary());
}

void BandScope::move_cursor(int to) {
    cursor_ = std::clamp(to, lowest(), highest());
    describe();
    update();
}

void BandScope::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || dial_ == 0) return QWidget::mousePressEvent(event);
    const int freq = freq_at(static_cast<int>(event->position().x()));
    move_cursor(freq);
    emit tune(freq);
}

void BandScope::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        move_cursor(cursor_ - 1);
        break;
    case Qt::Key_Right:
        move_cursor(cursor_ + 1);
        break;
    case Qt::Key_PageDown:
        move_cursor(cursor_ - 10);
        break;
    case Qt::Key_PageUp:
        move_cursor(cursor_ + 10);
        break;
    case Qt::Key_Home:
        move_cursor(dial_);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (dial_ != 0) emit tune(cursor_);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void BandScope::paint_passband() {
    passband_picture_ = QPixmap(size());
    passband_picture_.fill(QColor(8, 12, 16));
    passband_key_ = {size(), filter_, cw_};
    QPainter p(&passband_picture_);
    const QRect area = plot();
    const double column = static_cast<double>(area.width()) / kColumns;
    // The response under the filter as a tint over the plot, and the part at -6 dB or
    // more as the bar; both lie where they lie about the dial, wherever it is.
    const QRect bar = band_bar();
    for (int x = area.left(); x <= area.right(); ++x) {
        const double offset =
            (static_cast<double>(x - area.left()) / column - kScopeReach - 0.5) * 100.0;
        const double r = scope_response(offset, filter_, cw_);
        if (r >= 0.5) p.fillRect(x, bar.top(), 1, bar.height(), QColor(70, 130, 220));
        if (r > 0.02)
            p.fillRect(x, area.top(), 1, area.height(),
                       QColor(40, 70, 120, static_cast<int>(90 * std::min(1.0, r))));
    }
}

void BandScope::paintEvent(QPaintEvent*) {
    // The passband changes with the filter and the size only.
    if (passband_key_ != PassbandKey{size(), filter_, cw_}) paint_passband();
    QPainter p(this);
    p.drawPixmap(0, 0, passband_picture_);
    if (dial_ == 0) return;
    const QRect area = plot();
    const double column = static_cast<double>(area.width()) / kColumns;
    const int trace_width = std::max(2, static_cast<int>(column) - 1);

    // The scale: a tick every kHz, a figure every 5.
    p.setPen(QColor(150, 160, 170));
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.8));
    p.setFont(small);
    for (int f = (dial_ - kScopeReach + 9) / 10 * 10; f <= dial_ + kScopeReach; f += 10) {
        const int x = x_of(f);
        p.drawLine(x, kScaleHeight - 4, x, kScaleHeight - 1);
        if (f % 50 == 0)
            p.drawText(label_box(x, width(), kScaleHeight - 4), Qt::AlignCenter,
                       QString::number(f / 10));
    }

    // The traces: a key-down from `from` to `to` runs from row (elapsed - to) / row to
    // (elapsed - from) / row, row 0 at the top.
    const auto now = static_cast<std::int64_t>(elapsed_ms_);
    const std::int64_t oldest = now - std::int64_t{area.height()} * kMsPerRow;
    for (const ScopeTrace& t : scope_.traces) {
        if (t.freq < lowest() || t.freq > highest()) continue;
        const int x = x_of(t.freq) - trace_width / 2;
        const auto first = std::lower_bound(
            t.key_downs.begin(), t.key_downs.end(), oldest,
            [](const KeyDown& k, std::int64_t ms) { return std::int64_t{k.to_ms} < ms; });
        for (auto k = first; k != t.key_downs.end() && std::int64_t{k->from_ms} <= now; ++k) {
            const auto top =
                static_cast<int>((now - std::min<std::int64_t>(k->to_ms, now)) / kMsPerRow);
            const auto bottom = static_cast<int>((now - k->from_ms) / kMsPerRow);
            p.fillRect(x, area.top() + top, trace_width, std::max(1, bottom - top + 1),
                       trace_colour(t, k->level));
        }
    }

    // The dial and the cursor.
    // (Both under the passband's bar, which stays whole.)
    p.setPen(QPen(QColor(230, 60, 60), 1));
    p.drawLine(x_of(dial_), area.top(), x_of(dial_), height());
    p.drawLine(x_of(dial_) - 3, 0, x_of(dial_), 4);
    p.drawLine(x_of(dial_) + 3, 0, x_of(dial_), 4);
    if (cursor_ != dial_ || hasFocus()) {
        p.setPen(QPen(QColor(240, 220, 90), 1, Qt::DashLine));
        p.drawLine(x_of(cursor_), area.top(), x_of(cursor_), height());
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace zenka
