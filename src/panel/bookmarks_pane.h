#pragma once
// "Bookmarks": the listener's bookmarks, kept in the bookmarks file (shell/bookmark_store.h),
// as a list sorted by any column and searched by a word of any of them. Add, Edit, Remove
// (the Delete key; Undo puts it back), Import and Export in the layout SDR programs
// exchange. Enter or a double click tunes to the line's frequency.

#include "panel/bookmark_dialog.h"
#include "platform/clock.h"
#include "shell/bookmark_store.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace zenka {

class BookmarksModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { kName, kFreq, kNote, kTags, kColumns };
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void set_rows(std::vector<Bookmark> rows);
    const std::vector<Bookmark>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

  private:
    std::vector<Bookmark> rows_;
};

class BookmarksPane final : public QWidget {
    Q_OBJECT

  public:
    // The bookmarks of `file`, read at once; a damaged file is set aside and said so.
    BookmarksPane(std::filesystem::path file, const Clock& clock, QWidget* parent = nullptr);

    // What Add proposes: the tuned frequency and what is heard there.
    void set_here(std::function<Bookmark()> here) { here_ = std::move(here); }

    // Opens the dialog for a new bookmark with `b` filled in.
    void propose(const Bookmark& b);
    void add_here();
    void edit_selected();
    // Removes the selected bookmark at once; Undo puts it back.
    void remove_selected();
    void undo_remove();
    void import_file(const std::filesystem::path& from);
    void export_file(const std::filesystem::path& to);

    const BookmarkStore& store() const { return store_; }
    QTableView* table() const { return table_; }
    QLineEdit* search() const { return search_; }
    QPushButton* undo_button() const { return undo_; }
    // The dialog open now, or null.
    BookmarkDialog* dialog() const { return dialog_; }
    // The pane's line: what was done or went wrong.
    QString message() const;
    // The store's index of the selected line.
    std::optional<std::size_t> selected() const;
    // Says `what` in the pane's line, as a sentence.
    void tell(const std::string& what);

  signals:
    void tune(int freq);
    // A dialog of the pane opened: the pane is to be shown.
    void dialog_opened();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();
    void open_dialog(const QString& title, const Bookmark& b,
                     std::function<std::string(const Bookmark&)> keep);
    void choose_import();
    void choose_export();

    BookmarkStore store_;
    BookmarksModel model_;
    QSortFilterProxyModel proxy_;
    std::function<Bookmark()> here_;
    std::optional<Bookmark> removed_; // what Undo puts back
    QPointer<BookmarkDialog> dialog_;
    QLineEdit* search_;
    QTableView* table_;
    QPushButton* undo_;
    QLabel* message_;
};

} // namespace zenka
