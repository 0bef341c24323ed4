#pragma once
// The pane "Band scope": the band scope of the stations around the dial beside the audio
// waterfall of what is heard. At every retune it asks the band window's query thread for
// the scope of the new dial and shows it when it comes back (an answer for a dial tuned
// away from meanwhile is left aside); while the pane is hidden it asks nothing.

#include "platform/clock.h"
#include "shell/query_worker.h"
#include "shell/scope_traces.h"

#include <QWidget>

#include <optional>

namespace zenka::sound {
class OutputTap;
}

namespace zenka {

class AudioWaterfall;
class BandScope;

class ScopePane final : public QWidget {
    Q_OBJECT

  public:
    ScopePane(QueryWorker& worker, const Clock& clock, QWidget* parent = nullptr);

    // A retune: what it composed and which of its channels play.
    void retuned(const Composition& composed, const PlayReport& played);
    // The receiver's filter as switched.
    void set_filter(Filter filter, bool cw);
    // The sound output's tap for the waterfall.
    void listen(sound::OutputTap* tap);
    // Moves the scope on to the clock.
    void tick();

    BandScope* scope() const { return scope_; }
    AudioWaterfall* waterfall() const { return waterfall_; }
    // The last scope asked for has not come back yet.
    bool waiting() const { return answered_ != asked_; }

  signals:
    void tune(int freq);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ask();

    QueryWorker& worker_;
    const Clock& clock_;
    BandScope* scope_;
    AudioWaterfall* waterfall_;
    std::optional<ScopeQuery> query_; // the last retune's, until it is asked
    int asked_ = 0, answered_ = 0;    // the scopes asked for and the last one shown
};

} // namespace zenka
