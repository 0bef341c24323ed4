#include "panel/frequency_dial.h"

#include "panel/tuning_keys.h"
#include "shell/dial.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

#include <cmath>

namespace zenka {
namespace {

// One notch of a common mouse wheel, in eighths of a degree.
constexpr int kNotch = 120;

// The dial as assistive technology sees it: value in kHz, settable.
class DialAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit DialAccessible(FrequencyDial* dial) : QAccessibleWidget(dial, QAccessible::Dial) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return dial()->text();
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return dial()->freq() / 10.0; }
    void setCurrentValue(const QVariant& value) override {
        const DialReading r = read_khz(QString::number(value.toDouble(), 'f', 1).toStdString());
        if (r.ok()) emit dial()->tune(r.freq);
    }
    QVariant maximumValue() const override { return kDialHighest / 10.0; }
    QVariant minimumValue() const override { return kDialLowest / 10.0; }
    QVariant minimumStepSize() const override { return 0.1; }

  private:
    FrequencyDial* dial() const { return static_cast<FrequencyDial*>(widget()); }
};

QAccessibleInterface* dial_accessible(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("zenka::FrequencyDial"))
        if (auto* dial = qobject_cast<FrequencyDial*>(object)) return new DialAccessible(dial);
    return nullptr;
}

} // namespace

FrequencyDial::FrequencyDial(QWidget* parent) : QWidget(parent) {
    static const bool factory = [] {
        QAccessible::installFactory(dial_accessible);
        return true;
    }();
    (void)factory;
    setObjectName(QStringLiteral("frequency"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Frequency"));
    setAccessibleDescription(QStringLiteral(
        "The tuned frequency. Cursor left and right tune by the fine step, up and down by "
        "1 kHz, Page Up and Page Down by 10 kHz; the mouse wheel tunes by the fine step."));
    setToolTip(QStringLiteral("The wheel tunes one fine step a notch"));
    QFont big = font();
    big.setPixelSize(30);
    big.setBold(true);
    setFont(big);
}

QString FrequencyDial::text() const {
    return QString::fromStdString(dial_text(freq_)) + QStringLiteral(" kHz");
}

void FrequencyDial::show_freq(int freq) {
    if (freq == freq_) return;
    freq_ = freq;
    update();
    QAccessibleValueChangeEvent changed(this, freq_ / 10.0);
    QAccessible::updateAccessibility(&changed);
}

QSize FrequencyDial::sizeHint() const {
    const QFontMetrics m(font());
    return {m.horizontalAdvance(QStringLiteral("1000.4 kHz")) + 2 * m.averageCharWidth(),
            m.height() + 8};
}

QSize FrequencyDial::minimumSizeHint() const {
    return sizeHint();
}

void FrequencyDial::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}

void FrequencyDial::wheelEvent(QWheelEvent* event) {
    // A fine-grained wheel sends parts of a notch: they add up to steps.
    wheel_ += event->angleDelta().y();
    while (wheel_ >= kNotch) {
        wheel_ -= kNotch;
        emit step(Receiver::Step::FineUp);
    }
    while (wheel_ <= -kNotch) {
        wheel_ += kNotch;
        emit step(Receiver::Step::FineDown);
    }
    event->accept();
}

void FrequencyDial::keyPressEvent(QKeyEvent* event) {
    const std::optional<Receiver::Step> s = tuning_key(event->key());
    if (!s) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit step(*s);
    event->accept();
}

void FrequencyDial::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void FrequencyDial::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace zenka
