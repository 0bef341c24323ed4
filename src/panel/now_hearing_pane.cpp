#include "panel/now_hearing_pane.h"

#include "panel/emission_cells.h"
#include "panel/pane_table.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTextCursor>
#include <QVBoxLayout>

#include <utility>

namespace zenka {

void NowHearingModel::set_rows(std::vector<HearingRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    elapsed_ = 0;
    endResetModel();
}

void NowHearingModel::set_elapsed(std::uint32_t ms) {
    const std::uint32_t before = elapsed_;
    elapsed_ = ms;
    for (int r = 0; r < rowCount(); ++r) {
        const HearingRow& row = rows_[static_cast<std::size_t>(r)];
        if (time_left(row, before) != time_left(row, ms))
            emit dataChanged(index(r, kTimeLeft), index(r, kTimeLeft));
    }
}

int NowHearingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int NowHearingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString NowHearingModel::time_left(const HearingRow& row, std::uint32_t elapsed_ms) {
    switch (row.emission.kind) {
    case Emission::Kind::carrier:
        return QStringLiteral("steady");
    case Emission::Kind::recording:
        return {};
    case Emission::Kind::keyed:
        break;
    }
    if (elapsed_ms >= row.duration_ms) return QStringLiteral("ended");
    // Whole seconds, rounded up: "0:01" until the very end.
    const std::uint32_t s = (row.duration_ms - elapsed_ms + 999) / 1000;
    if (s >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(s / 3600)
            .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString NowHearingModel::line(const HearingRow& row, std::uint32_t elapsed_ms) {
    const Emission& e = row.emission;
    QStringList parts;
    if (e.kind == Emission::Kind::keyed) parts << QStringLiteral("Channel %1").arg(row.channel);
    parts << station_cell(e, false);
    for (const QString& p : {calls_cell(e), service_cell(e), speed_cell(e)})
        if (!p.isEmpty()) parts << p;
    if (e.kind != Emission::Kind::recording) parts << QStringLiteral("strength %1").arg(e.qsa);
    if (e.kind == Emission::Kind::keyed) {
        const QString left = time_left(row, elapsed_ms);
        parts << (elapsed_ms >= row.duration_ms ? left : left + QStringLiteral(" left"));
    }
    return parts.join(QStringLiteral(", "));
}

QVariant NowHearingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const HearingRow& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::AccessibleTextRole && index.column() == kStation) return line(row, elapsed_);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const Emission& e = row.emission;
    switch (index.column()) {
    case kChannel:
        return channel_cell(row.channel, row.emission);
    case kStation:
        return station_cell(e, false);
    case kCalls:
        return calls_cell(e);
    case kService:
        return service_cell(e);
    case kSpeed:
        return speed_cell(e);
    case kStrength:
        return strength_cell(e);
    case kTimeLeft:
        return time_left(row, elapsed_);
    default:
        return {};
    }
}

QVariant NowHearingModel::headerData(int section, Qt::Orientation o, int role) const {
    static const char* const kHeads[kColumns] = {"Channel", "Station",  "Calls",    "Service",
                                                 "Speed",   "Strength", "Time left"};
    return heading(kHeads, section, o, role);
}

NowHearingPane::NowHearingPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("now_hearing"));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("hearing_summary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    table_ =
        pane_table(this, &model_, QStringLiteral("hearing_table"), QStringLiteral("Now hearing"),
                   QStringLiteral("One line per playing channel: station, calls, service, "
                                  "speed, strength and time left. The text of the chosen "
                                  "line is shown below it as it is keyed."));
    table_->horizontalHeader()->setSectionResizeMode(NowHearingModel::kStation,
                                                     QHeaderView::Stretch);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { show_text(); });

    text_switch_ = new QCheckBox(QStringLiteral("Show the te&xt as keyed"), this);
    text_switch_->setObjectName(QStringLiteral("text_switch"));
    text_switch_->setChecked(true);
    text_switch_->setAccessibleName(QStringLiteral("Show the text as keyed"));
    text_switch_->setAccessibleDescription(
        QStringLiteral("Off hides the text, for copying by ear. Ctrl+T switches it."));
    text_label_ = new QLabel(this);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("keyed_text"));
    text_->setReadOnly(true);
    text_->setTabChangesFocus(true);
    text_->setAccessibleName(QStringLiteral("Text as keyed"));
    text_->setAccessibleDescription(
        QStringLiteral("What the chosen channel has keyed so far, character by character."));
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_label_->setBuddy(text_);
    QFont mono = text_->font();
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFamilies({QStringLiteral("monospace")});
    text_->setFont(mono);
    connect(text_switch_, &QCheckBox::toggled, this, [this](bool on) {
        text_->setVisible(on);
        text_label_->setVisible(on);
        if (on) show_text();
    });

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(summary_);
    column->addWidget(table_, 2);
    column->addWidget(text_switch_);
    column->addWidget(text_label_);
    column->addWidget(text_, 3);
    show_rows({});
}

void NowHearingPane::show_rows(std::vector<HearingRow> rows) {
    model_.set_rows(std::move(rows));
    text_row_ = -1;
    if (model_.rowCount() > 0) table_->selectRow(0);
    say(summary_, summary());
    show_text();
}

void NowHearingPane::show_elapsed(std::uint32_t ms) {
    model_.set_elapsed(ms);
    show_text();
}

QString NowHearingPane::summary() const {
    const auto& rows = model_.rows();
    if (rows.empty()) return QStringLiteral("Nothing but the band noise.");
    const HearingRow& first = rows.front();
    QString s = QStringLiteral("Hearing ") + station_cell(first.emission, false);
    if (const QString service = service_cell(first.emission); !service.isEmpty())
        s += QStringLiteral(", ") + service;
    if (rows.size() > 1) s += QStringLiteral(", and %1 more").arg(rows.size() - 1);
    return s + QLatin1Char('.');
}

int NowHearingPane::chosen_row() const {
    const int r = table_->currentIndex().row();
    return r >= 0 && r < model_.rowCount() ? r : (model_.rowCount() > 0 ? 0 : -1);
}

void NowHearingPane::show_text() {
    const int r = chosen_row();
    if (r != text_row_) {
        text_row_ = r;
        text_chars_ = 0;
        text_->clear();
        const QString what = r < 0
                                 ? QStringLiteral("No text: nothing is keyed.")
                                 : NowHearingModel::line(model_.rows()[static_cast<std::size_t>(r)],
                                                         model_.elapsed())
                                       .section(QStringLiteral(", "), 0, 1);
        text_label_->setText(what + QLatin1Char(':'));
    }
    if (r < 0 || !text_switch_->isChecked()) return;
    const HearingRow& row = model_.rows()[static_cast<std::size_t>(r)];
    if (row.channel >= 0 && row.channel == hidden_channel_) {
        if (text_->document()->isEmpty())
            text_->setPlainText(QStringLiteral("(Hidden while you copy it.)"));
        return;
    }
    const std::size_t upto = keyed_by(row, model_.elapsed());
    if (upto <= text_chars_) return;
    // Only what came since: a long text is not laid out again at every tick.
    QTextCursor end(text_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QString::fromLatin1(row.text.data() + text_chars_,
                                       static_cast<qsizetype>(upto - text_chars_)));
    text_chars_ = upto;
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

QString NowHearingPane::shown_text() const {
    const int r = chosen_row();
    if (r >= 0 && hidden_channel_ >= 0 &&
        model_.rows()[static_cast<std::size_t>(r)].channel == hidden_channel_)
        return {};
    return text_switch_->isChecked() ? text_->toPlainText() : QString();
}

void NowHearingPane::hide_text_of(int channel) {
    hidden_channel_ = channel;
    text_row_ = -1; // shown afresh
    show_text();
}

void NowHearingPane::set_text_shown(bool shown) {
    text_switch_->setChecked(shown);
}

bool NowHearingPane::text_shown() const {
    return text_switch_->isChecked();
}

} // namespace zenka
