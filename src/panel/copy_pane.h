#pragma once
// "Copy practice": the listener copies one playing channel by ear. The channel's text is
// hidden in Now hearing while the copy runs; what is typed is scored against what the
// channel keyed from the start of the copy, on demand or when the emission ends, and
// shown aligned with the wrong, missed and extra characters marked, the error rate and
// the station. A retune ends the copy and scores what was keyed until then. Every scored
// copy goes into the practice log, summed up under it as a chart and in words.

#include "panel/copy_attempt.h"
#include "platform/clock.h"
#include "shell/practice_log.h"

#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace zenka {

class PracticeChart;

class CopyPane final : public QWidget {
    Q_OBJECT

  public:
    // The summary is of this many copies, the newest.
    static constexpr std::size_t kSummaryCopies = 50;
    // Columns of the aligned copy before it breaks.
    static constexpr std::size_t kAlignedWidth = 56;

    // The practice log is kept in `log_file`; with an empty path nothing is kept.
    CopyPane(const Clock& clock, const std::filesystem::path& log_file, QWidget* parent = nullptr);
    ~CopyPane() override;

    // What a retune started; a copy under way ends first, scored.
    void retuned(const Composition& c, const PlayReport& played);
    // Ends the copy by itself when its emission has ended.
    void tick();
    // Starts copying the chosen channel, or while copying brings the keyboard back to it.
    void start();
    // Scores the copy against what has been keyed so far.
    void score_now();

    // The channel copied (0 .. 6), or -1 when no copy runs.
    int copying_channel() const;
    const std::optional<CopyScore>& last_score() const { return last_score_; }
    const PracticeLog* log() const { return log_.get(); }

    QComboBox* chooser() const { return chooser_; }
    QPlainTextEdit* field() const { return field_; }
    QPushButton* start_button() const { return start_; }
    QPushButton* score_button() const { return score_; }
    PracticeChart* chart() const { return chart_; }
    QString status() const;
    QString figures() const;
    QString station() const;
    // The copy aligned against the keyed text, with its line of marks.
    QString result_text() const;
    QString summary() const;
    QString news() const;

  signals:
    // The channel whose text is hidden (-1: none).
    void copying_changed(int channel);

  private:
    enum class End { asked, emission, retune };
    void finish(End why);
    void show_result(const CopyChannel& ch, const CopyScore& s);
    void show_summary();
    void fill_chooser();
    std::uint32_t elapsed() const;

    const Clock& clock_;
    std::unique_ptr<PracticeLog> log_;
    std::vector<CopyChannel> channels_;
    UtcInstant played_at_{};
    int freq_ = 0;
    int copying_ = -1;         // the place in channels_ of the one copied
    std::uint32_t from_ms_ = 0; // when the copy started, from the channels' start
    std::optional<CopyScore> last_score_;

    QComboBox* chooser_;
    QPushButton* start_;
    QPushButton* score_;
    QLabel* status_;
    QPlainTextEdit* field_;
    QLabel* figures_;
    QLabel* station_;
    QTextEdit* result_;
    PracticeChart* chart_;
    QLabel* summary_;
    QLabel* news_;
};

} // namespace zenka
