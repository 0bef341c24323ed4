#include "panel/panel.h"

#include "panel/tuning_keys.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <utility>

#ifndef ZENKA_VERSION
#error "ZENKA_VERSION must be defined by the build"
#endif

namespace zenka {
namespace {

constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 25;

constexpr int kOff = 101;
constexpr int kMemory1 = 102; // .. 113
constexpr int kMemories = 12;
constexpr int kScan = 121;
constexpr int kAtt = 122;
constexpr int kFilter = 123;
constexpr int kLow = 124;
constexpr int kMid = 125;
constexpr int kHigh = 126;
constexpr int kHist = 127;
constexpr int kClips = 128;
constexpr int kBkgnd = 129;
constexpr int kQrn = 130;
constexpr int kInfo = 131;
constexpr int kSampling = 132;
constexpr int kReadout = 141;
constexpr int kMeter = 142;
constexpr int kFineDown = 151;
constexpr int kFineUp = 152;
constexpr int kDown1k = 153;
constexpr int kUp1k = 154;
constexpr int kDown10k = 155;
constexpr int kUp10k = 156;
constexpr int kDown100k = 157;
constexpr int kUp100k = 158;

const QColor kDisplayText(235, 235, 235);

QString object_name(int id) {
    return QStringLiteral("id%1").arg(id);
}

QString text_of(const std::string& s) {
    return QString::fromStdString(s);
}

// Runs `f` on the panel's thread: at once when already there, else queued.
template <class F> void on_thread_of(QObject* object, F&& f) {
    if (QThread::currentThread() == object->thread())
        f();
    else
        QMetaObject::invokeMethod(object, std::forward<F>(f), Qt::QueuedConnection);
}

// The system's fixed-width face, in which the meter's blanks and cells line up;
// when the platform names one in which they do not, any monospaced face.
QFont fixed_font(int pixels = 0) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (pixels > 0) font.setPixelSize(pixels);
    const QFontMetrics m(font);
    if (m.horizontalAdvance(QLatin1Char(' ')) != m.horizontalAdvance(QLatin1Char('>'))) {
        font.setFamilies({QStringLiteral("monospace")});
        font.setStyleHint(QFont::TypeWriter);
    }
    return font;
}

// One legend line: the name, dot leaders, the description.
QString legend(const char* name, const char* description) {
    const QString n = QString::fromLatin1(name);
    const int dots = n.size() < 10 ? 11 - static_cast<int>(n.size()) : 1;
    return n + QLatin1Char(' ') + QString(dots, QLatin1Char('.')) + QLatin1Char(' ') +
           QString::fromLatin1(description);
}

} // namespace

Panel::Panel(QWidget* parent) : QWidget(parent), scan_timer_(this) {
    setWindowTitle(QString::fromLatin1(kTitle));
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);

    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    add_button(kOff, "OFF", 20, 30);
    static constexpr int kMemoryX[3] = {600, 660, 720};
    for (int i = 0; i < kMemories; ++i) {
        const QByteArray caption = QStringLiteral("M%1").arg(i + 1).toLatin1();
        add_button(kMemory1 + i, caption.constData(), kMemoryX[i % 3], 90 + 40 * (i / 3));
    }
    add_button(kScan, "SCAN", 20, 90);
    add_button(kAtt, "ATT", 80, 90);
    add_button(kFilter, "FLT2", 140, 90);
    add_button(kLow, "LOW", 20, 130);
    add_button(kMid, "MID", 80, 130);
    add_button(kHigh, "HIGH", 140, 130);
    add_button(kHist, "HIST", 20, 170);
    add_button(kClips, "CLIP", 80, 170);
    add_button(kBkgnd, "BGND", 140, 170);
    add_button(kQrn, "QRN", 20, 210);
    add_button(kInfo, "INFO", 80, 210);
    add_button(kSampling, "SMPL", 140, 210);
    add_text(kReadout, "", 345, 30, 110, 20);
    QLabel* meter = add_text(kMeter, " > > > > > ", 700, 30, 70, 20);
    meter->setFont(fixed_font(11));
    add_button(kDown1k, "< 1k", 345, 130);
    add_button(kUp1k, "1k >", 405, 130);
    add_button(kDown10k, "<10k", 345, 170);
    add_button(kUp10k, "10k>", 405, 170);
    add_button(kDown100k, "<100k", 345, 210);
    add_button(kUp100k, "100k>", 405, 210);
    add_button(kFineDown, "< 100", 345, 90);
    add_button(kFineUp, "100 >", 405, 90);

    // Settings that are no control of the receiver's fixed face: the context menu.
    plain_audio_ = add_switch("Plain audio (no receiver shaping)", "plain_audio",
                              [](Receiver& rx, bool on) { rx.set_plain_audio(on); });
    cw_filter_ = add_switch("Narrow CW filter (500 Hz)", "cw_filter",
                            [](Receiver& rx, bool on) { rx.set_cw_filter(on); });
    neighbours_ = add_switch("Stations near the dial (within 3 kHz)", "neighbours",
                             [](Receiver& rx, bool on) { rx.set_neighbours(on); });
    keep_listening_ = add_switch("Keep listening (retune each new minute)", "keep_listening",
                                 [](Receiver& rx, bool on) { rx.set_keep_listening(on); });
    setContextMenuPolicy(Qt::ActionsContextMenu);

    scan_timer_.setObjectName(QStringLiteral("scan"));
    scan_timer_.setInterval(kScanMs);
    connect(&scan_timer_, &QTimer::timeout, this, &Panel::scan_tick);
}

Panel::~Panel() {
    scan_timer_.stop();
}

QAction* Panel::add_switch(const char* caption, const char* name, void (*set)(Receiver&, bool)) {
    auto* action = new QAction(QString::fromLatin1(caption), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    connect(action, &QAction::toggled, this, [this, set](bool on) {
        if (rx_ != nullptr) set(*rx_, on);
    });
    addAction(action);
    return action;
}

QPushButton* Panel::add_button(int id, const char* caption, int x, int y) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(object_name(id));
    b->setProperty("id", id);
    b->setGeometry(x, y, kButtonWidth, kButtonHeight);
    // The window keeps the keyboard: the cursor keys always tune.
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, id] { pressed(id); });
    return b;
}

QLabel* Panel::add_text(int id, const char* text, int x, int y, int w, int h) {
    auto* l = new QLabel(QString::fromLatin1(text), this);
    l->setObjectName(object_name(id));
    l->setProperty("id", id);
    l->setGeometry(x, y, w, h);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kDisplayText);
    l->setPalette(p);
    return l;
}

QWidget* Panel::control(int id) const {
    return findChild<QWidget*>(object_name(id), Qt::FindDirectChildrenOnly);
}

void Panel::set_caption(int id, const QString& text) {
    QWidget* w = control(id);
    if (auto* b = qobject_cast<QPushButton*>(w))
        b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
}

void Panel::attach(Receiver& rx) {
    rx_ = &rx;
    plain_audio_->setChecked(rx.plain_audio());
    cw_filter_->setChecked(rx.cw_filter());
    keep_listening_->setChecked(rx.keep_listening());
    neighbours_->setChecked(rx.neighbours());
    scan_timer_.start();
}

void Panel::power_on() {
    if (rx_ == nullptr || rx_->start()) return;
    // After start-up, from the event loop, so that the box never stands in the
    // way of the loop's own start or of a quit.
    QTimer::singleShot(0, this, [this] {
        QMessageBox::warning(this, QStringLiteral("Error!"),
                             QStringLiteral("Cannot Find Device Driver!"));
    });
}

void Panel::show_frequency(const std::string& text) {
    on_thread_of(this, [this, t = text_of(text)] { set_caption(kReadout, t); });
}

void Panel::show_smeter(const std::string& text) {
    on_thread_of(this, [this, t = text_of(text)] { set_caption(kMeter, t); });
}

void Panel::show_fine_steps(const std::string& down, const std::string& up) {
    on_thread_of(this, [this, d = text_of(down), u = text_of(up)] {
        set_caption(kFineDown, d);
        set_caption(kFineUp, u);
    });
}

void Panel::show_memory(int index, const std::string& caption) {
    if (index < 0 || index >= kMemories) return;
    on_thread_of(this, [this, index, t = text_of(caption)] { set_caption(kMemory1 + index, t); });
}

void Panel::show_filter(const std::string& caption) {
    on_thread_of(this, [this, t = text_of(caption)] { set_caption(kFilter, t); });
}

void Panel::show_file_errors(const std::vector<std::string>& errors) {
    if (errors.empty()) return;
    on_thread_of(this, [this, first = text_of(errors.front())] {
        if (file_errors_shown_) return;
        file_errors_shown_ = true;
        // From the event loop, as the device warning: never in the way of a quit.
        QTimer::singleShot(0, this, [this, first] {
            QMessageBox::warning(this, QStringLiteral("Error!"),
                                 QStringLiteral("Cannot write the channel files; stations stay "
                                                "silent.\n") +
                                     first);
        });
    });
}

void Panel::scan_tick() {
    if (rx_ == nullptr || off_) return;
    if (QApplication::activeModalWidget() != nullptr) return; // a box is open
    if (rx_->settings.scan)
        rx_->scan_step();
    else
        rx_->idle();
}

void Panel::step(Receiver::Step s) {
    if (rx_ != nullptr && !off_) rx_->step(s);
}

void Panel::pressed(int id) {
    if (id == kOff) {
        close();
        return;
    }
    if (id == kInfo) {
        show_info();
        return;
    }
    if (rx_ == nullptr || off_) return;
    using S = Receiver::Step;
    if (id >= kMemory1 && id < kMemory1 + kMemories) {
        rx_->add_memory(id - kMemory1);
        return;
    }
    switch (id) {
    case kScan:
        rx_->toggle_scan();
        break;
    case kAtt:
        rx_->toggle_att();
        break;
    case kFilter:
        rx_->toggle_filter();
        break;
    case kLow:
        step(S::Low);
        break;
    case kMid:
        step(S::Mid);
        break;
    case kHigh:
        step(S::High);
        break;
    case kHist:
        rx_->toggle_hist();
        break;
    case kClips:
        rx_->toggle_clips();
        break;
    case kBkgnd:
        rx_->toggle_bkgnd();
        break;
    case kQrn:
        rx_->toggle_qrn();
        break;
    case kSampling:
        rx_->toggle_sampling();
        break;
    case kFineDown:
        step(S::FineDown);
        break;
    case kFineUp:
        step(S::FineUp);
        break;
    case kDown1k:
        step(S::Down1k);
        break;
    case kUp1k:
        step(S::Up1k);
        break;
    case kDown10k:
        step(S::Down10k);
        break;
    case kUp10k:
        step(S::Up10k);
        break;
    case kDown100k:
        step(S::Down100k);
        break;
    case kUp100k:
        step(S::Up100k);
        break;
    default:
        break;
    }
}

void Panel::keyPressEvent(QKeyEvent* event) {
    const std::optional<Receiver::Step> s = tuning_key(event->key());
    if (!s) {
        QWidget::keyPressEvent(event);
        return;
    }
    step(*s);
    event->accept();
}

void Panel::closeEvent(QCloseEvent* event) {
    if (!off_) {
        off_ = true;
        scan_timer_.stop();
        if (rx_ != nullptr) rx_->shutdown();
        event->accept();
        emit switched_off();
        return;
    }
    event->accept();
}

QString Panel::info_text() {
    QStringList lines;
    lines << QStringLiteral("ZENKA - a receiver of historical long- and medium-wave telegraphy")
          << QString() << QStringLiteral("Version:  " ZENKA_VERSION) << QString()
          << QStringLiteral("Zenka brings back the long and medium waves of the telegraphy")
          << QStringLiteral("era: coast stations working ships, the calling and distress")
          << QStringLiteral("frequency of 500 kHz, naval broadcasts to the fleet, army nets,")
          << QStringLiteral("aircraft, weather broadcasts and radio beacons, each on its own")
          << QStringLiteral("frequencies and at its own hours of the day (UTC).") << QString()
          << QStringLiteral("This receiver: 10 - 1000 kHz") << QString() << legend("OFF", "Quit")
          << legend("Cursors", "Frequency tuning (also PgUp,PgDwn, middle buttons)")
          << legend("SCAN", "Scaning (nonstop)") << legend("ATT", "Attenuator on/off")
          << legend("FLT1/2", "Filter 1 kHz or 2 kHz")
          << legend("LOW", "Sets lowest Receiver frequency")
          << legend("MID", "Sets middle Receiver frequency")
          << legend("HIGH", "Sets highest Receiver frequency")
          << legend("HIST", "Historical stations (before 1950s) on/off (most)")
          << legend("CLIP", "Audio clips on/off")
          << legend("BGND", "Background stations (AM, SSB, RTLX,FAX etc..) on/off")
          << legend("QRN", "Background noise on/off") << legend("INFO", "This info box")
          << legend("SMPL", "Sampling rate 3/4 (default is 3, 4 is not recommended)")
          << legend("M1-M12", "One time memory") << QString()
          << QStringLiteral("Every station and every message is simulated; nothing is received.");
    return lines.join(QLatin1Char('\n'));
}

void Panel::show_info() {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Zenka"), info_text(), QMessageBox::Ok,
                    this);
    box.setObjectName(QStringLiteral("info"));
    box.setTextFormat(Qt::PlainText);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        // A fixed-width face keeps the dot leaders of the legend in line, and the
        // box is made wide enough that no line is broken.
        const QFont font = fixed_font();
        label->setFont(font);
        const QFontMetrics m(font);
        int widest = 0;
        for (const QString& line : box.text().split(QLatin1Char('\n')))
            widest = std::max(widest, m.horizontalAdvance(line));
        label->setMinimumWidth(widest + m.averageCharWidth());
    }
    box.exec();
}

} // namespace zenka
