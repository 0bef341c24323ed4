#include "panel/scope_pane.h"

#include "panel/audio_waterfall.h"
#include "panel/band_scope.h"

#include <QHBoxLayout>
#include <QMetaObject>

#include <algorithm>
#include <chrono>
#include <limits>

namespace zenka {

ScopePane::ScopePane(QueryWorker& worker, const Clock& clock, QWidget* parent)
    : QWidget(parent), worker_(worker), clock_(clock), scope_(new BandScope(this)),
      waterfall_(new AudioWaterfall(this)) {
    setObjectName(QStringLiteral("scope_pane"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(scope_, 3);
    row->addWidget(waterfall_, 2);
    connect(scope_, &BandScope::tune, this, &ScopePane::tune);
}

void ScopePane::retuned(const Composition& composed, const PlayReport& played) {
    scope_->set_dial(composed.settings.freq);
    query_ = scope_query(composed, played);
    if (isVisible()) ask();
}

void ScopePane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (query_) ask();
}

void ScopePane::ask() {
    ScopeQuery q = std::move(*query_);
    query_.reset();
    const int asked = ++asked_;
    worker_.post(
        "scope", [q = std::move(q)](std::stop_token stop) { return compose_scope(q, stop); },
        [this, asked](Scope found) {
            QMetaObject::invokeMethod(
                this,
                [this, asked, found = std::move(found)]() mutable {
                    answered_ = asked;
                    scope_->show_scope(std::move(found));
                    tick();
                },
                Qt::QueuedConnection);
        });
}

void ScopePane::set_filter(Filter filter, bool cw) {
    scope_->set_passband(filter, cw);
}

void ScopePane::listen(sound::OutputTap* tap) {
    waterfall_->listen(tap);
}

void ScopePane::tick() {
    const auto since =
        std::chrono::duration_cast<std::chrono::milliseconds>(clock_.now() - scope_->scope().at);
    scope_->set_elapsed(static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(since.count(), 0, std::numeric_limits<std::uint32_t>::max())));
}

} // namespace zenka
