#include "panel/emission_cells.h"

#include "shell/dial.h"

#include <QStringList>

#include <chrono>

namespace zenka {

QString station_cell(const Emission& e, bool chance_shown) {
    QString label = QString::fromStdString(e.station.label);
    if (e.kind != Emission::Kind::keyed) {
        const QString what = QString::fromStdString(e.what);
        label = label.isEmpty() ? what : what + QStringLiteral(" (") + label + QLatin1Char(')');
    } else if (label.isEmpty()) {
        label = QStringLiteral("not named");
    }
    if (chance_shown && e.station.by_chance) label += QStringLiteral(", may call");
    return label;
}

QString calls_cell(const Emission& e) {
    QStringList calls;
    for (const std::string& c : e.station.calls)
        calls << QString::fromStdString(c);
    return calls.join(QStringLiteral(", "));
}

QString service_cell(const Emission& e) {
    return qstring(service_name(e.station.service));
}

QString keying_cell(const Emission& e) {
    return e.kind == Emission::Kind::keyed ? qstring(keying_name(e.keying)) : QString();
}

QString speed_cell(const Emission& e) {
    return e.kind == Emission::Kind::keyed ? QStringLiteral("%1 wpm").arg(e.spd) : QString();
}

QString strength_cell(const Emission& e) {
    return e.kind == Emission::Kind::recording ? QString() : QString::number(e.qsa);
}

QString channel_cell(int channel, const Emission& e) {
    switch (e.kind) {
    case Emission::Kind::carrier:
        return QStringLiteral("carrier");
    case Emission::Kind::recording:
        return QStringLiteral("recording");
    case Emission::Kind::keyed:
        break;
    }
    return QString::number(channel);
}

QString khz_cell(int freq) {
    return QString::fromStdString(dial_text(freq));
}

QString utc_cell(UtcInstant t) {
    const SystemTime s = to_system_time(t);
    return QStringLiteral("%1:%2")
        .arg(s.hour, 2, 10, QLatin1Char('0'))
        .arg(s.minute, 2, 10, QLatin1Char('0'));
}

} // namespace zenka
