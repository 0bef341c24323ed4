#include "panel/copy_pane.h"

#include "panel/copy_aligned.h"
#include "panel/emission_cells.h"
#include "panel/pane_table.h"
#include "panel/practice_chart.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <limits>

namespace zenka {
namespace {

// The typing field: capitals as they are typed or pasted, unless the channel keys kana,
// whose signs the lower case stands for.
class CopyField final : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;
    bool upper = true;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (!upper || e->text() == e->text().toUpper()) return QPlainTextEdit::keyPressEvent(e);
        QKeyEvent raised(e->type(), e->key(), e->modifiers(), e->text().toUpper(),
                         e->isAutoRepeat(), static_cast<ushort>(e->count()));
        QPlainTextEdit::keyPressEvent(&raised);
        e->setAccepted(raised.isAccepted());
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (!upper || !source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
        QMimeData raised;
        raised.setText(source->text().toUpper());
        QPlainTextEdit::insertFromMimeData(&raised);
    }
};

QFont monospace(QFont f) {
    f.setStyleHint(QFont::TypeWriter);
    f.setFamilies({QStringLiteral("monospace")});
    return f;
}

QPushButton* button(const QString& text, const char* name, const QString& description,
                    QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    b->setAccessibleDescription(description);
    b->setAutoDefault(false);
    return b;
}

QLabel* line(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// How a column is marked beside its colour: wrong underlined, missed struck out, extra
// overlined, and the line of marks under them.
QString styled(const std::string& text, CopyMark::Kind kind, bool keyed_line) {
    const QString escaped = QString::fromStdString(text).toHtmlEscaped();
    const char* style = nullptr;
    switch (kind) {
    case CopyMark::Kind::right:
        return escaped;
    case CopyMark::Kind::wrong:
        style = keyed_line ? "color:#b00020" : "color:#b00020;text-decoration:underline";
        break;
    case CopyMark::Kind::missed:
        style = keyed_line ? "color:#9a5200;text-decoration:line-through" : nullptr;
        break;
    case CopyMark::Kind::extra:
        style = keyed_line ? nullptr : "color:#0040b0;text-decoration:overline";
        break;
    }
    if (style == nullptr) return escaped;
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(QLatin1String(style), escaped);
}

QString aligned_html(const std::vector<AlignedLine>& lines) {
    QString html = QStringLiteral("<pre>");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) html += QLatin1Char('\n');
        QString keyed = QStringLiteral("Keyed  "), copied = QStringLiteral("Copied "),
                marks = QStringLiteral("Marks  ");
        for (const AlignedColumn& c : lines[i]) {
            keyed += styled(c.keyed, c.kind, true);
            copied += styled(c.copied, c.kind, false);
            marks += QStringLiteral("<b>%1</b>").arg(QLatin1Char(c.mark)) +
                     QString(static_cast<qsizetype>(c.keyed.size() - 1), QLatin1Char(' '));
        }
        html += keyed + QLatin1Char('\n') + copied + QLatin1Char('\n') + marks + QLatin1Char('\n');
    }
    return html + QStringLiteral("</pre><p>%1 Colours: red wrong, orange missed, blue extra.</p>")
                      .arg(QLatin1String(kMarksLegend));
}

QString channel_item(const CopyChannel& ch) {
    const Emission& e = ch.row.emission;
    return QStringLiteral("Channel %1: %2, %3 keying, strength %4")
        .arg(ch.row.channel)
        .arg(speed_cell(e), keying_cell(e))
        .arg(e.qsa);
}

} // namespace

CopyPane::CopyPane(const Clock& clock, const std::filesystem::path& log_file, QWidget* parent)
    : QWidget(parent), clock_(clock) {
    setObjectName(QStringLiteral("copy_practice"));
    chooser_ = new QComboBox(this);
    chooser_->setObjectName(QStringLiteral("copy_channel"));
    chooser_->setAccessibleName(QStringLiteral("Channel to copy"));
    chooser_->setAccessibleDescription(
        QStringLiteral("The strongest playing channel, or one of the channels keyed."));
    auto* chooser_label = new QLabel(QStringLiteral("C&hannel:"), this);
    chooser_label->setBuddy(chooser_);
    start_ = button(QStringLiteral("Start &copying"), "copy_start",
                    QStringLiteral("Hides the channel's text and takes your copy. Ctrl+P."), this);
    score_ = button(QStringLiteral("Score &now"), "copy_score",
                    QStringLiteral("Scores the copy against what has been keyed so far. "
                                   "Ctrl+Return."),
                    this);
    connect(start_, &QPushButton::clicked, this, &CopyPane::start);
    connect(score_, &QPushButton::clicked, this, &CopyPane::score_now);

    status_ = line("copy_status", this);
    auto* field = new CopyField(this);
    field_ = field;
    field_->setObjectName(QStringLiteral("copy_field"));
    field_->setAccessibleName(QStringLiteral("Your copy"));
    field_->setAccessibleDescription(
        QStringLiteral("Type what you hear; it is scored when you ask or the emission ends."));
    field_->setTabChangesFocus(true);
    field_->setReadOnly(true);
    field_->setFont(monospace(field_->font()));
    field_->setMinimumHeight(field_->fontMetrics().height() * 2 + 12);
    figures_ = line("copy_figures", this);
    station_ = line("copy_station", this);
    result_ = new QTextEdit(this);
    result_->setObjectName(QStringLiteral("copy_result"));
    result_->setAccessibleName(QStringLiteral("Copy marked"));
    result_->setReadOnly(true);
    result_->setTabChangesFocus(true);
    result_->setFont(monospace(result_->font()));
    result_->setMinimumHeight(result_->fontMetrics().height() * 5);
    chart_ = new PracticeChart(this);
    summary_ = line("practice_summary", this);
    news_ = line("practice_news", this);

    // The copy over its result, and under them the practice so far: the chart beside its
    // figures, so that the pane fits a narrow column.
    auto* top = new QHBoxLayout;
    top->addWidget(chooser_label);
    top->addWidget(chooser_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(score_);
    buttons->addStretch(1);
    auto* practice = new QHBoxLayout;
    practice->addWidget(chart_, 1);
    auto* figures = new QVBoxLayout;
    figures->addWidget(summary_);
    figures->addWidget(news_);
    figures->addStretch(1);
    practice->addLayout(figures, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(top);
    column->addLayout(buttons);
    column->addWidget(status_);
    column->addWidget(field_, 1);
    column->addWidget(figures_);
    column->addWidget(station_);
    column->addWidget(result_, 2);
    column->addLayout(practice, 2);

    if (!log_file.empty()) {
        log_ = std::make_unique<PracticeLog>(log_file, clock_);
        const QString message = QString::fromStdString(log_->load());
        news_->setText(message);
    } else {
        news_->setText(QStringLiteral("The practice log is not kept in this run."));
    }
    news_->setVisible(!news_->text().isEmpty());
    say(status_, QStringLiteral("Choose a channel and start copying (Ctrl+P). A retune ends the "
                                "copy and scores what was keyed until then."));
    fill_chooser();
    show_summary();
    score_->setEnabled(false);
}

CopyPane::~CopyPane() = default;

std::uint32_t CopyPane::elapsed() const {
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(clock_.now() - played_at_).count();
    return static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(ms, 0, std::numeric_limits<std::uint32_t>::max()));
}

int CopyPane::copying_channel() const {
    return copying_ < 0 ? -1 : channels_[static_cast<std::size_t>(copying_)].row.channel;
}

void CopyPane::fill_chooser() {
    chooser_->clear();
    chooser_->addItem(QStringLiteral("The strongest"), -1);
    for (std::size_t i = 0; i < channels_.size(); ++i)
        chooser_->addItem(channel_item(channels_[i]), static_cast<int>(i));
}

void CopyPane::retuned(const Composition& c, const PlayReport& played) {
    if (copying_ >= 0) finish(End::retune);
    channels_ = copy_channels(c, played);
    played_at_ = clock_.now();
    freq_ = c.settings.freq;
    fill_chooser();
}

void CopyPane::tick() {
    if (copying_ < 0) return;
    if (elapsed() >= channels_[static_cast<std::size_t>(copying_)].row.duration_ms)
        finish(End::emission);
}

void CopyPane::start() {
    if (copying_ >= 0) {
        field_->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    const std::uint32_t now = elapsed();
    int pick = chooser_->currentData().toInt();
    if (pick < 0) pick = strongest_channel(channels_, now);
    if (pick < 0 || pick >= static_cast<int>(channels_.size())) {
        say(status_, QStringLiteral("Nothing keyed is playing to copy: tune to a station first."));
        return;
    }
    const CopyChannel& ch = channels_[static_cast<std::size_t>(pick)];
    if (now >= ch.row.duration_ms) {
        say(status_, QStringLiteral("Channel %1 has ended: nothing more is keyed there to copy.")
                         .arg(ch.row.channel));
        return;
    }
    copying_ = pick;
    from_ms_ = now;
    static_cast<CopyField*>(field_)->upper = !ch.params.katokana;
    field_->clear();
    field_->setReadOnly(false);
    field_->setFocus(Qt::ShortcutFocusReason);
    score_->setEnabled(true);
    start_->setEnabled(false);
    chooser_->setEnabled(false);
    QString about = QStringLiteral("Copying channel %1, %2: type what you hear. Score now "
                                   "(Ctrl+Return) or the end of the emission scores it; a "
                                   "retune ends the copy and scores what was keyed until then.")
                        .arg(ch.row.channel)
                        .arg(speed_cell(ch.row.emission));
    if (ch.params.katokana)
        about += QStringLiteral(" The channel keys kana: lower case stands for the kana signs.");
    say(status_, about);
    emit copying_changed(ch.row.channel);
}

void CopyPane::score_now() {
    if (copying_ < 0) {
        say(status_, QStringLiteral("No copy to score: start copying first (Ctrl+P)."));
        return;
    }
    finish(End::asked);
}

void CopyPane::finish(End why) {
    const CopyChannel ch = channels_[static_cast<std::size_t>(copying_)];
    const std::uint32_t to = why == End::emission ? ch.row.duration_ms : elapsed();
    const std::string copy = field_->toPlainText().toStdString();
    copying_ = -1;
    field_->setReadOnly(true);
    score_->setEnabled(false);
    start_->setEnabled(true);
    chooser_->setEnabled(true);
    emit copying_changed(-1);
    const QString ended = why == End::emission ? QStringLiteral("The emission ended. ")
                          : why == End::retune ? QStringLiteral("Retuned. ")
                                               : QString();
    const CopyScore s = score_between(ch, copy, from_ms_, to);
    if (copied_characters(copy, ch.params).empty()) {
        say(status_, ended + QStringLiteral("Nothing was typed: the copy is not scored."));
        return;
    }
    if (s.sent == 0) {
        say(status_, ended + QStringLiteral("Nothing was keyed while you copied: the copy is "
                                            "not scored."));
        return;
    }
    show_result(ch, s);
    QString kept;
    if (log_ != nullptr) {
        const auto at = std::chrono::floor<std::chrono::seconds>(clock_.now());
        const std::string error = log_->add(practice_attempt(ch, s, freq_, at));
        kept = error.empty() ? QStringLiteral(" It is in the practice log.")
                             : QStringLiteral(" It is not in the practice log: %1.")
                                   .arg(QString::fromStdString(error));
        news_->setText(error.empty() ? QString() : QString::fromStdString(error));
        news_->setVisible(!error.empty());
    }
    say(status_, ended + QStringLiteral("Copy of channel %1 scored.").arg(ch.row.channel) + kept +
                     QStringLiteral(" Ctrl+P copies again."));
    show_summary();
}

void CopyPane::show_result(const CopyChannel& ch, const CopyScore& s) {
    last_score_ = s;
    const int copied = s.right + s.wrong + s.extra;
    figures_->setText(
        QStringLiteral("Error rate %1%: %2 of %3 keyed characters right, %4 wrong, %5 missed, "
                       "%6 extra; %7 characters copied.")
            .arg(100.0 * s.error_rate(), 0, 'f', 1)
            .arg(s.right)
            .arg(s.sent)
            .arg(s.wrong)
            .arg(s.missed)
            .arg(s.extra)
            .arg(copied));
    const Emission& e = ch.row.emission;
    QString who = station_cell(e, false);
    if (const QString calls = calls_cell(e); !calls.isEmpty())
        who += QStringLiteral(" (") + calls + QLatin1Char(')');
    station_->setText(QStringLiteral("%1: %2, %3 keying, strength %4, on %5 kHz.")
                          .arg(who, speed_cell(e), keying_cell(e))
                          .arg(e.qsa)
                          .arg(khz_cell(freq_)));
    const std::vector<AlignedLine> lines = aligned_lines(s, kAlignedWidth);
    result_->setHtml(aligned_html(lines));
    result_->setAccessibleDescription(QString::fromStdString(s.marked()) + QLatin1Char(' ') +
                                      QLatin1String(kMarksLegend));
    result_->setProperty("plain", QString::fromStdString(aligned_text(lines)));
}

void CopyPane::show_summary() {
    const std::vector<PracticeAttempt> none;
    const std::vector<PracticeAttempt>& all = log_ != nullptr ? log_->attempts() : none;
    const PracticeSummary s = summarise(all, kSummaryCopies);
    chart_->show_summary(s);
    QString text = QString::fromStdString(to_text(s));
    if (all.size() > kSummaryCopies)
        text = QStringLiteral("The last %1 of %2 copies kept. ").arg(kSummaryCopies).arg(all.size()) +
               text;
    if (log_ != nullptr)
        text += QStringLiteral("\nKept in %1.").arg(QString::fromStdString(log_->file().string()));
    summary_->setText(text);
}

QString CopyPane::status() const {
    return status_->text();
}

QString CopyPane::figures() const {
    return figures_->text();
}

QString CopyPane::station() const {
    return station_->text();
}

QString CopyPane::result_text() const {
    return result_->property("plain").toString();
}

QString CopyPane::summary() const {
    return summary_->text();
}

QString CopyPane::news() const {
    return news_->text();
}

} // namespace zenka
