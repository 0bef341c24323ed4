#include "panel/recording_pane.h"

#include "panel/pane_table.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zenka {
namespace {

QString path_text(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

QLabel* line(QWidget* parent, const char* name, const char* spoken) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(QString::fromLatin1(spoken));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// A figure with what it is, for a screen reader: "Time recorded 0:07".
void show_figure(QLabel* l, const char* what, const QString& text) {
    if (l->text() == text && !l->accessibleName().isEmpty()) return;
    l->setText(text);
    const QString name = QString::fromLatin1(what);
    l->setAccessibleName(text.isEmpty() ? name : name + QLatin1Char(' ') + text);
}

constexpr const char* kElapsed = "Time recorded";
constexpr const char* kSize = "Size of the recording";

} // namespace

RecordingPane::RecordingPane(Recording& recording, XdgEnvironment env, QWidget* parent)
    : QWidget(parent), recording_(recording), env_(std::move(env)) {
    setObjectName(QStringLiteral("recording"));

    record_ = new QPushButton(QStringLiteral("Record"), this);
    record_->setObjectName(QStringLiteral("record"));
    record_->setCheckable(true);
    record_->setAutoDefault(false);
    record_->setAccessibleName(QStringLiteral("Record"));
    record_->setAccessibleDescription(
        QStringLiteral("Records what is heard, across every retune, until pressed again. Ctrl+R."));
    connect(record_, &QPushButton::clicked, this, [this] { toggle(); });

    elapsed_ = line(this, "recording_elapsed", kElapsed);
    size_ = line(this, "recording_size", kSize);
    elapsed_->setMinimumWidth(
        elapsed_->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")));
    size_->setMinimumWidth(size_->fontMetrics().horizontalAdvance(QStringLiteral("000.0 MB")));
    file_ = line(this, "recording_file", "Recording file");
    file_->setWordWrap(true);

    format_ = new QComboBox(this);
    format_->setObjectName(QStringLiteral("recording_format"));
    format_->setAccessibleName(QStringLiteral("Recording format"));
    format_->addItem(QStringLiteral("WAV"), static_cast<int>(RecordingFormat::wav));
    format_->addItem(QStringLiteral("FLAC"), static_cast<int>(RecordingFormat::flac));
    connect(format_, &QComboBox::currentIndexChanged, this, [this] { emit choices_changed(); });

    auto* folder_label = new QLabel(QStringLiteral("F&older:"), this);
    folder_ = new QLineEdit(this);
    folder_->setObjectName(QStringLiteral("recording_folder"));
    folder_->setAccessibleName(QStringLiteral("Recording folder"));
    folder_->setAccessibleDescription(
        QStringLiteral("The folder recordings go to; empty for the default. Enter takes it."));
    folder_->setPlaceholderText(path_text(music_folder(env_) / "Zenka"));
    folder_label->setBuddy(folder_);
    connect(folder_, &QLineEdit::returnPressed, this, [this] { choose_folder(folder_->text()); });
    auto* pick = new QPushButton(QStringLiteral("Choose..."), this);
    pick->setObjectName(QStringLiteral("recording_choose"));
    pick->setAccessibleName(QStringLiteral("Choose the recording folder"));
    pick->setAutoDefault(false);
    connect(pick, &QPushButton::clicked, this, &RecordingPane::pick_folder);

    message_ = warning_line(this, QStringLiteral("recording_message"));

    auto* top = new QHBoxLayout;
    top->addWidget(record_);
    top->addWidget(elapsed_);
    top->addWidget(size_);
    top->addWidget(format_);
    top->addWidget(folder_label);
    top->addWidget(folder_, 1);
    top->addWidget(pick);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(top);
    column->addWidget(file_);
    column->addWidget(message_);
    show_message({});
    refresh();
}

RecordingFormat RecordingPane::format() const {
    return format_->currentData().toInt() == static_cast<int>(RecordingFormat::flac)
               ? RecordingFormat::flac
               : RecordingFormat::wav;
}

void RecordingPane::set_choices(const RecordingChoices& c) {
    {
        const QSignalBlocker quiet(format_);
        format_->setCurrentIndex(c.format == RecordingFormat::flac ? 1 : 0);
    }
    chosen_ = c.folder;
    show_folder();
    if (!chosen_.empty())
        if (const std::string why = Recording::unwritable(chosen_); !why.empty())
            show_message(QStringLiteral("Cannot record into %1: %2")
                             .arg(path_text(chosen_), QString::fromStdString(why)));
    emit choices_changed();
}

bool RecordingPane::choose_folder(const QString& typed) {
    const QString t = typed.trimmed();
    std::filesystem::path wanted;
    if (!t.isEmpty()) {
        wanted = std::filesystem::path(t.toStdString()).lexically_normal();
        QString why;
        if (!wanted.is_absolute())
            why = QStringLiteral("a folder is a whole path, from /");
        else if (const std::string w = Recording::unwritable(wanted); !w.empty())
            why = QString::fromStdString(w);
        if (!why.isEmpty()) {
            show_message(QStringLiteral("Cannot record into %1: %2; recordings still go to %3")
                             .arg(t.left(200), why, path_text(folder())));
            show_folder();
            return false;
        }
    }
    chosen_ = wanted;
    show_folder();
    show_message({});
    emit choices_changed();
    return true;
}

std::filesystem::path RecordingPane::folder() {
    if (!chosen_.empty()) return chosen_;
    const Recording::Place place = Recording::default_folder(env_);
    if (!place.message.empty()) show_message(QString::fromStdString(place.message));
    return place.folder;
}

void RecordingPane::pick_folder() {
    const QString picked = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Folder for recordings"),
        chosen_.empty() ? folder_->placeholderText() : path_text(chosen_));
    if (!picked.isEmpty()) choose_folder(picked);
}

void RecordingPane::toggle() {
    if (recording_.status().recording)
        stop();
    else
        start();
    refresh();
}

void RecordingPane::start() {
    show_message({});
    const std::filesystem::path where = folder();
    const std::string error = recording_.start(where, format());
    if (!error.empty()) show_message(QString::fromStdString(error));
}

void RecordingPane::stop() {
    if (!recording_.status().recording) return;
    const RecordingStatus s = recording_.stop();
    if (!s.message.empty()) show_message(QString::fromStdString(s.message));
    refresh();
}

void RecordingPane::refresh() {
    const RecordingStatus s = recording_.status();
    if (running_ && !s.recording && !s.message.empty())
        show_message(QString::fromStdString(s.message)); // it stopped by itself
    running_ = s.recording;
    {
        const QSignalBlocker quiet(record_);
        record_->setChecked(s.recording);
    }
    const QString caption = s.recording ? QStringLiteral("Stop") : QStringLiteral("Record");
    if (record_->text() != caption) record_->setText(caption);
    format_->setEnabled(!s.recording);
    folder_->setEnabled(!s.recording);
    if (s.file.empty()) {
        show_figure(elapsed_, kElapsed, QString());
        show_figure(size_, kSize, QString());
        say(file_, QStringLiteral("Not recording"));
        return;
    }
    show_figure(elapsed_, kElapsed, elapsed_text(s.seconds));
    show_figure(size_, kSize, size_text(s.bytes));
    const QString name = QString::fromStdString(s.file.filename().string());
    const QString in = path_text(s.file.parent_path());
    say(file_, s.recording ? QStringLiteral("Recording into %1 in %2").arg(name, in)
                           : QStringLiteral("Recorded %1 in %2").arg(name, in));
    if (s.lost_seconds > 0.0 && message().isEmpty())
        show_message(QStringLiteral("%1 s were lost while the disk could not keep up")
                         .arg(s.lost_seconds, 0, 'f', 1));
}

void RecordingPane::show_message(const QString& text) {
    tell(message_, text);
}

void RecordingPane::show_folder() {
    folder_->setText(path_text(chosen_));
}

QString RecordingPane::elapsed() const {
    return elapsed_->text();
}

QString RecordingPane::size() const {
    return size_->text();
}

QString RecordingPane::file() const {
    return file_->text();
}

QString RecordingPane::message() const {
    return message_->text();
}

QString RecordingPane::elapsed_text(double seconds) {
    const auto s = static_cast<long long>(std::floor(std::max(seconds, 0.0)));
    const long long h = s / 3600, m = s / 60 % 60, sec = s % 60;
    const QChar zero(u'0');
    if (h > 0) return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, zero).arg(sec, 2, 10, zero);
    return QStringLiteral("%1:%2").arg(m).arg(sec, 2, 10, zero);
}

QString RecordingPane::size_text(std::uint64_t bytes) {
    const double b = static_cast<double>(bytes);
    if (bytes < 1000) return QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < 1000 * 1000) return QStringLiteral("%1 kB").arg(std::llround(b / 1e3));
    if (bytes < 1000ull * 1000 * 1000) return QStringLiteral("%1 MB").arg(b / 1e6, 0, 'f', 1);
    return QStringLiteral("%1 GB").arg(b / 1e9, 0, 'f', 2);
}

} // namespace zenka
