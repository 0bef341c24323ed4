#pragma once
// The band window as the user left it: open or closed, its place and size, the
// panes' sizes and columns, the text switch, the on-air filter, what "Coming up"
// covers and its filter. Kept in the group "band_window" of the settings file; a value that is
// missing or makes no sense reads as its default.

#include "panel/coming_up_pane.h"
#include "panel/on_air_pane.h"

#include <QByteArray>
#include <QRect>

#include <optional>

class QSettings;

namespace zenka {

struct BandWindowState {
    bool open = true;           // the first start opens it
    std::optional<QRect> place; // its frame on the screen
    QByteArray panes;           // the splitters: the lists; they and the tools; those and
    QByteArray columns;         // the band scope
    QByteArray side;
    QByteArray hearing_list;    // the columns of each list
    QByteArray on_air_list;
    QByteArray coming_list;
    bool text_shown = true;
    QString tool; // the tool pane's tab in front, by its object name
    AirFilter filter;
    ComingUpPane::Scope scope = ComingUpPane::Scope::frequency_day;
    EmissionFilter coming_filter;
    bool band_scope_shown = true; // the pane "Band scope"
};

BandWindowState read_band_window(QSettings& s);
void write_band_window(QSettings& s, const BandWindowState& state);

} // namespace zenka
