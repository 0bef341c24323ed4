#include "panel/line_bookmarks.h"

#include "panel/bookmarks_pane.h"
#include "panel/coming_up_pane.h"
#include "panel/emission_cells.h"
#include "panel/on_air_pane.h"
#include "shell/dial.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>

#include <cstdio>

namespace zenka {
namespace {

Bookmark line_bookmark(int freq, const Emission& e, const StationDirectory& directory) {
    Bookmark b;
    b.freq = freq;
    b.name = station_name(e.station, directory);
    if (b.name.empty()) b.name = dial_text(freq) + " kHz";
    if (const std::string_view s = service_name(e.station.service); !s.empty())
        b.tags.emplace_back(s);
    return b;
}

} // namespace

Bookmark air_line_bookmark(const AirRow& row, const StationDirectory& directory) {
    return line_bookmark(row.freq, row.emission, directory);
}

Bookmark coming_line_bookmark(const ComingRow& row, const StationDirectory& directory) {
    Bookmark b = line_bookmark(row.freq, row.emission, directory);
    const SystemTime t = to_system_time(row.at);
    char when[64];
    std::snprintf(when, sizeof when, "%02u:%02u UTC on %04u-%02u-%02u", unsigned{t.hour},
                  unsigned{t.minute}, unsigned{t.year}, unsigned{t.month}, unsigned{t.day});
    b.note = row.emission.station.by_chance ? "May call from " : "Comes on the air at ";
    b.note += when;
    return b;
}

Bookmark here_bookmark(int freq, const std::vector<HearingRow>& heard,
                       const StationDirectory& directory) {
    const HearingRow* strongest = nullptr;
    for (const HearingRow& row : heard)
        if (!row.emission.station.label.empty() &&
            (strongest == nullptr || row.emission.qsa > strongest->emission.qsa))
            strongest = &row;
    return line_bookmark(freq, strongest != nullptr ? strongest->emission : Emission{}, directory);
}

LineBookmark air_lines(const OnAirPane& pane) {
    return [&pane](const QModelIndex& index) -> std::optional<Bookmark> {
        const QModelIndex source = pane.shown().mapToSource(index);
        if (!source.isValid()) return std::nullopt;
        return air_line_bookmark(pane.model().rows()[static_cast<std::size_t>(source.row())],
                                 StationDirectory::of_catalogue());
    };
}

LineBookmark coming_lines(const ComingUpPane& pane) {
    return [&pane](const QModelIndex& index) -> std::optional<Bookmark> {
        if (!index.isValid() || index.row() >= pane.model().rowCount()) return std::nullopt;
        return coming_line_bookmark(pane.model().rows()[static_cast<std::size_t>(index.row())],
                                    StationDirectory::of_catalogue());
    };
}

LineBookmarks::LineBookmarks(BookmarksPane& bookmarks, QObject* parent)
    : QObject(parent), bookmarks_(bookmarks) {}

void LineBookmarks::offer(QTableView* view, LineBookmark line) {
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view, line](QPoint at) {
        // Read as the menu opens: the list may be refilled before an item is chosen.
        const std::optional<Bookmark> b = line(view->indexAt(at));
        if (!b) return;
        auto* menu = new QMenu(view);
        menu->setObjectName(QStringLiteral("line_menu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction* a = menu->addAction(QStringLiteral("&Bookmark this line\u2026"));
        a->setObjectName(QStringLiteral("bookmark_line"));
        connect(a, &QAction::triggered, this, [this, b] { bookmark(b); });
        menu->popup(view->viewport()->mapToGlobal(at));
    });
    lists_.emplace_back(view, std::move(line));
}

void LineBookmarks::bookmark_selected() {
    const auto chosen = [](QTableView* v) {
        return v->selectionModel() != nullptr && v->selectionModel()->hasSelection() &&
               v->currentIndex().isValid();
    };
    for (const auto& [view, line] : lists_)
        if (view->hasFocus() && chosen(view)) return bookmark(line(view->currentIndex()));
    for (const auto& [view, line] : lists_)
        if (chosen(view)) return bookmark(line(view->currentIndex()));
    bookmark(std::nullopt);
}

void LineBookmarks::bookmark(const std::optional<Bookmark>& b) {
    if (b)
        bookmarks_.propose(*b);
    else
        bookmarks_.tell("Choose a line of On the air or Coming up to bookmark first");
}

} // namespace zenka
