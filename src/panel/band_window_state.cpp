#include "panel/band_window_state.h"

#include "panel/emission_cells.h"
#include "shell/dial.h"

#include <QSettings>

#include <cstdlib>

namespace zenka {
namespace {

bool read_bool(const QSettings& s, const QString& key, bool fallback) {
    const QVariant v = s.value(key);
    if (!v.isValid()) return fallback;
    const QString t = v.toString().trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1")) return true;
    if (t == QLatin1String("false") || t == QLatin1String("0")) return false;
    return fallback;
}

// A whole number in [lowest, highest], or `fallback`.
int read_int(const QSettings& s, const QString& key, int lowest, int highest, int fallback) {
    bool ok = false;
    const int v = s.value(key).toString().toInt(&ok);
    return ok && v >= lowest && v <= highest ? v : fallback;
}

QByteArray read_bytes(const QSettings& s, const QString& key) {
    const QVariant v = s.value(key);
    return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : QByteArray();
}

// A frame of a size a screen can hold, anywhere a screen could be.
std::optional<QRect> read_place(const QSettings& s, const QString& key) {
    const QVariant v = s.value(key);
    if (v.typeId() != QMetaType::QRect) return std::nullopt;
    const QRect r = v.toRect();
    constexpr int kFar = 1 << 15;
    if (r.width() < 1 || r.height() < 1 || r.width() > kFar || r.height() > kFar ||
        std::abs(r.x()) > kFar || std::abs(r.y()) > kFar)
        return std::nullopt;
    return r;
}

template <class E, class Names>
std::optional<E> read_name(const QSettings& s, const QString& key, const Names& all,
                           std::string_view (*name)(E)) {
    const QString wanted = s.value(key).toString();
    for (const E e : all) {
        const std::string_view n = name(e);
        if (!n.empty() && wanted == qstring(n)) return e;
    }
    return std::nullopt;
}

// A service, keying and speeds under `group` ("filter/service", "filter/speed_from" ...).
EmissionFilter read_kind(const QSettings& s, const QString& group) {
    EmissionFilter f;
    f.service = read_name<Service>(s, group + QStringLiteral("/service"), listed_services(),
                                   service_name);
    f.keying = read_name<Keying>(s, group + QStringLiteral("/keying"), kKeyings, keying_name);
    f.spd_from = read_int(s, group + QStringLiteral("/speed_from"), 0, EmissionFilter::kTopSpeed, 0);
    f.spd_to = read_int(s, group + QStringLiteral("/speed_to"), 0, EmissionFilter::kTopSpeed, 0);
    return f;
}

void write_kind(QSettings& s, const QString& group, const EmissionFilter& f) {
    s.setValue(group + QStringLiteral("/service"),
               f.service ? qstring(service_name(*f.service)) : QString());
    s.setValue(group + QStringLiteral("/keying"),
               f.keying ? qstring(keying_name(*f.keying)) : QString());
    s.setValue(group + QStringLiteral("/speed_from"), f.spd_from);
    s.setValue(group + QStringLiteral("/speed_to"), f.spd_to);
}

} // namespace

BandWindowState read_band_window(QSettings& s) {
    BandWindowState st;
    s.beginGroup(QStringLiteral("band_window"));
    st.open = read_bool(s, QStringLiteral("open"), true);
    st.place = read_place(s, QStringLiteral("place"));
    st.panes = read_bytes(s, QStringLiteral("panes"));
    st.side = read_bytes(s, QStringLiteral("scope_panes"));
    st.columns = read_bytes(s, QStringLiteral("columns"));
    st.hearing_list = read_bytes(s, QStringLiteral("hearing_list"));
    st.on_air_list = read_bytes(s, QStringLiteral("on_air_list"));
    st.coming_list = read_bytes(s, QStringLiteral("coming_list"));
    st.text_shown = read_bool(s, QStringLiteral("text_shown"), true);
    st.tool = s.value(QStringLiteral("tool")).toString().left(64);
    static_cast<EmissionFilter&>(st.filter) = read_kind(s, QStringLiteral("filter"));
    st.filter.min_qsa = read_int(s, QStringLiteral("filter/strength"), 0, 5, 0);
    st.filter.from =
        read_int(s, QStringLiteral("filter/from"), kDialLowest, kDialHighest, kDialLowest);
    st.filter.to =
        read_int(s, QStringLiteral("filter/to"), kDialLowest, kDialHighest, kDialHighest);
    st.filter.words = s.value(QStringLiteral("filter/words")).toString().left(200);
    st.scope = s.value(QStringLiteral("coming_up")).toString() == QLatin1String("band")
                   ? ComingUpPane::Scope::band_hour
                   : ComingUpPane::Scope::frequency_day;
    st.coming_filter = read_kind(s, QStringLiteral("coming_filter"));
    st.band_scope_shown = read_bool(s, QStringLiteral("band_scope"), true);
    s.endGroup();
    return st;
}

void write_band_window(QSettings& s, const BandWindowState& st) {
    s.beginGroup(QStringLiteral("band_window"));
    s.setValue(QStringLiteral("open"), st.open);
    if (st.place)
        s.setValue(QStringLiteral("place"), *st.place);
    else
        s.remove(QStringLiteral("place"));
    s.setValue(QStringLiteral("panes"), st.panes);
    s.setValue(QStringLiteral("scope_panes"), st.side);
    s.setValue(QStringLiteral("columns"), st.columns);
    s.setValue(QStringLiteral("hearing_list"), st.hearing_list);
    s.setValue(QStringLiteral("on_air_list"), st.on_air_list);
    s.setValue(QStringLiteral("coming_list"), st.coming_list);
    s.setValue(QStringLiteral("text_shown"), st.text_shown);
    s.setValue(QStringLiteral("tool"), st.tool);
    write_kind(s, QStringLiteral("filter"), st.filter);
    s.setValue(QStringLiteral("filter/strength"), st.filter.min_qsa);
    s.setValue(QStringLiteral("filter/from"), st.filter.from);
    s.setValue(QStringLiteral("filter/to"), st.filter.to);
    s.setValue(QStringLiteral("filter/words"), st.filter.words);
    s.setValue(QStringLiteral("coming_up"), st.scope == ComingUpPane::Scope::band_hour
                                                ? QStringLiteral("band")
                                                : QStringLiteral("frequency"));
    write_kind(s, QStringLiteral("coming_filter"), st.coming_filter);
    s.setValue(QStringLiteral("band_scope"), st.band_scope_shown);
    s.endGroup();
}

} // namespace zenka
