#pragma once
// "Bookmark this line…" on the lines of "On the air" and "Coming up": a context menu on
// their lists, and a key for the selected line of the list in use, that open the bookmark
// dialog with the line's frequency, its station as the name and, for a line of Coming
// up, the time it comes on in the note.

#include "panel/band_rows.h"
#include "shell/bookmark_table.h"
#include "shell/station_directory.h"

#include <QModelIndex>
#include <QObject>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QTableView;

namespace zenka {

class BookmarksPane;
class ComingUpPane;
class OnAirPane;

// The bookmark of a line: its frequency, the station as named, the service as a tag.
Bookmark air_line_bookmark(const AirRow& row, const StationDirectory& directory);
// The same, and when it comes on in the note.
Bookmark coming_line_bookmark(const ComingRow& row, const StationDirectory& directory);

// The bookmark of the tuned frequency: named after the strongest station heard there.
Bookmark here_bookmark(int freq, const std::vector<HearingRow>& heard,
                       const StationDirectory& directory);

// The bookmark of a list's line at an index of the list's view, or none.
using LineBookmark = std::function<std::optional<Bookmark>(const QModelIndex&)>;
LineBookmark air_lines(const OnAirPane& pane);
LineBookmark coming_lines(const ComingUpPane& pane);

class LineBookmarks final : public QObject {
    Q_OBJECT

  public:
    // The dialogs open in `bookmarks`; owned by `parent`.
    LineBookmarks(BookmarksPane& bookmarks, QObject* parent);

    // Gives `view` the context menu.
    void offer(QTableView* view, LineBookmark line);
    // The selected line of the list that has the keyboard (else of the first with a line
    // selected) into the dialog; says so when no line is chosen.
    void bookmark_selected();

  private:
    void bookmark(const std::optional<Bookmark>& b);

    BookmarksPane& bookmarks_;
    std::vector<std::pair<QTableView*, LineBookmark>> lists_;
};

} // namespace zenka
