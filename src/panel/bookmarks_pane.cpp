#include "panel/bookmarks_pane.h"

#include "panel/bookmark_dialog.h"
#include "panel/pane_table.h"
#include "shell/dial.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zenka {
namespace {

// A message of the store as a sentence of its own.
QString sentence(const std::string& what) {
    QString s = QString::fromStdString(what);
    if (s.isEmpty()) return s;
    s[0] = s[0].toUpper();
    if (!s.endsWith(QLatin1Char('.'))) s += QLatin1Char('.');
    return s;
}

QPushButton* button(QWidget* parent, const QString& text, const char* object,
                    const QString& description) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(object));
    QString name = text;
    b->setAccessibleName(name.remove(QLatin1Char('&')));
    b->setAccessibleDescription(description);
    b->setAutoDefault(false);
    return b;
}

// "Removed “Norddeich” (500.0 kHz)", and what follows.
std::string done(const char* what, const Bookmark& b, const char* then = "") {
    std::string out = what;
    out += " \u201c";
    out += b.name;
    out += "\u201d (";
    out += dial_text(b.freq);
    out += " kHz)";
    out += then;
    return out;
}

} // namespace

void BookmarksModel::set_rows(std::vector<Bookmark> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int BookmarksModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BookmarksModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant BookmarksModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Bookmark& b = rows_[static_cast<std::size_t>(index.row())];
    if (role == kSortRole && index.column() == kFreq) return b.freq;
    if (role == kSortRole) return data(index, Qt::DisplayRole).toString().toLower();
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case kName:
        return QString::fromStdString(b.name);
    case kFreq:
        return QString::fromStdString(dial_text(b.freq));
    case kNote: {
        // One line in the list; the whole note as the tip.
        const QString note = QString::fromStdString(b.note);
        return role == Qt::ToolTipRole ? note : note.section(QLatin1Char('\n'), 0, 0);
    }
    case kTags:
        return tags_text(b.tags);
    default:
        return {};
    }
}

QVariant BookmarksModel::headerData(int section, Qt::Orientation o, int role) const {
    static const char* const kHeads[kColumns] = {"Name", "kHz", "Note", "Tags"};
    return heading(kHeads, section, o, role);
}

BookmarksPane::BookmarksPane(std::filesystem::path file, const Clock& clock, QWidget* parent)
    : QWidget(parent), store_(std::move(file), clock) {
    setObjectName(QStringLiteral("bookmarks"));
    proxy_.setSourceModel(&model_);
    proxy_.setSortRole(BookmarksModel::kSortRole);
    proxy_.setFilterKeyColumn(-1);
    proxy_.setFilterCaseSensitivity(Qt::CaseInsensitive);

    search_ = search_field(
        this, QStringLiteral("bookmark_search"), QStringLiteral("Search the bookmarks"),
        QStringLiteral("Search the bookmarks"),
        QStringLiteral("Shows the bookmarks whose name, frequency, note or tags hold the text."));
    connect(search_, &QLineEdit::textChanged, &proxy_,
            &QSortFilterProxyModel::setFilterFixedString);

    table_ = pane_table(this, &proxy_, QStringLiteral("bookmark_table"),
                        QStringLiteral("Bookmarks"),
                        QStringLiteral("Your bookmarks. Enter or a double click tunes there, "
                                       "Delete removes one."));
    table_->setSortingEnabled(true);
    table_->sortByColumn(BookmarksModel::kFreq, Qt::AscendingOrder);
    table_->horizontalHeader()->setSectionResizeMode(BookmarksModel::kNote, QHeaderView::Stretch);
    table_->setColumnWidth(BookmarksModel::kName, table_->fontMetrics().horizontalAdvance(
                                                      QStringLiteral("Norddeich Radio WX")));
    connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) {
        const QModelIndex source = proxy_.mapToSource(index);
        if (source.isValid()) emit tune(model_.rows()[static_cast<std::size_t>(source.row())].freq);
    });
    // Delete and Undo on the list itself, where the line they act on is chosen.
    table_->installEventFilter(this);

    auto* add = button(this, QStringLiteral("&Add\u2026"), "bookmark_add",
                       QStringLiteral("Bookmarks the tuned frequency. Ctrl+K."));
    auto* edit = button(this, QStringLiteral("&Edit\u2026"), "bookmark_edit",
                        QStringLiteral("Changes the selected bookmark."));
    auto* remove = button(this, QStringLiteral("&Remove"), "bookmark_remove",
                          QStringLiteral("Removes the selected bookmark; Undo puts it back."));
    undo_ = button(this, QStringLiteral("&Undo"), "bookmark_undo",
                   QStringLiteral("Puts back the bookmark just removed."));
    undo_->setEnabled(false);
    auto* import = button(this, QStringLiteral("&Import\u2026"), "bookmark_import",
                          QStringLiteral("Adds the bookmarks of a bookmarks.csv file."));
    auto* exporting = button(this, QStringLiteral("E&xport\u2026"), "bookmark_export",
                             QStringLiteral("Writes every bookmark to a bookmarks.csv file."));
    connect(add, &QPushButton::clicked, this, &BookmarksPane::add_here);
    connect(edit, &QPushButton::clicked, this, &BookmarksPane::edit_selected);
    connect(remove, &QPushButton::clicked, this, &BookmarksPane::remove_selected);
    connect(undo_, &QPushButton::clicked, this, &BookmarksPane::undo_remove);
    connect(import, &QPushButton::clicked, this, &BookmarksPane::choose_import);
    connect(exporting, &QPushButton::clicked, this, &BookmarksPane::choose_export);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("bookmark_message"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, edit, remove, undo_, import, exporting})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(search_);
    column->addWidget(table_, 1);
    column->addLayout(buttons);
    column->addWidget(message_);

    tell(store_.load());
    refresh();
}

bool BookmarksPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Delete)) {
            remove_selected();
            return true;
        }
        if (key->matches(QKeySequence::Undo)) {
            undo_remove();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BookmarksPane::refresh() {
    model_.set_rows(store_.list());
}

void BookmarksPane::tell(const std::string& what) {
    say(message_, sentence(what));
}

QString BookmarksPane::message() const {
    return message_->text();
}

std::optional<std::size_t> BookmarksPane::selected() const {
    const QModelIndex source = proxy_.mapToSource(table_->currentIndex());
    if (!source.isValid()) return std::nullopt;
    return static_cast<std::size_t>(source.row());
}

void BookmarksPane::open_dialog(const QString& title, const Bookmark& b,
                                std::function<std::string(const Bookmark&)> keep) {
    if (dialog_ != nullptr) dialog_->close();
    dialog_ = new BookmarkDialog(title, b, std::move(keep), this);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    emit dialog_opened();
    dialog_->open();
}

void BookmarksPane::propose(const Bookmark& b) {
    open_dialog(QStringLiteral("New bookmark"), b, [this](const Bookmark& made) {
        std::string why = store_.add(made);
        if (why.empty()) {
            refresh();
            tell(done("Bookmarked", made));
        }
        return sentence(why).toStdString();
    });
}

void BookmarksPane::add_here() {
    Bookmark b;
    if (here_) b = here_();
    propose(b);
}

void BookmarksPane::edit_selected() {
    const std::optional<std::size_t> at = selected();
    if (!at) {
        tell("Choose a bookmark to change first");
        return;
    }
    open_dialog(QStringLiteral("Change the bookmark"), store_.list()[*at],
                [this, at = *at](const Bookmark& changed) {
                    std::string why = store_.replace(at, changed);
                    if (why.empty()) {
                        refresh();
                        tell(done("Changed", changed));
                    }
                    return sentence(why).toStdString();
                });
}

void BookmarksPane::remove_selected() {
    const std::optional<std::size_t> at = selected();
    if (!at) {
        tell("Choose a bookmark to remove first");
        return;
    }
    const Bookmark b = store_.list()[*at];
    if (const std::string why = store_.remove(*at); !why.empty()) {
        tell(why);
        return;
    }
    removed_ = b;
    undo_->setEnabled(true);
    refresh();
    tell(done("Removed", b, "; Undo (Ctrl+Z) puts it back"));
}

void BookmarksPane::undo_remove() {
    if (!removed_) return;
    if (const std::string why = store_.add(*removed_); !why.empty()) {
        tell(why);
        return;
    }
    tell(done("Put back", *removed_));
    removed_.reset();
    undo_->setEnabled(false);
    refresh();
}

void BookmarksPane::import_file(const std::filesystem::path& from) {
    const BookmarkStore::ImportReport report = store_.import_from(from);
    refresh();
    tell(report.summary(from));
}

void BookmarksPane::export_file(const std::filesystem::path& to) {
    const std::string why = store_.export_to(to);
    const std::size_t n = store_.list().size();
    std::string said;
    if (why.empty()) {
        said = std::to_string(n);
        said += n == 1 ? " bookmark exported to " : " bookmarks exported to ";
        said += to.string();
    } else {
        said = "cannot export to ";
        said += to.string();
        said += ": ";
        said += why;
    }
    tell(said);
}

void BookmarksPane::choose_import() {
    const QString from = QFileDialog::getOpenFileName(
        this, QStringLiteral("Import bookmarks"), QDir::homePath(),
        QStringLiteral("Bookmark files (*.csv);;All files (*)"));
    if (!from.isEmpty()) import_file(from.toStdString());
}

void BookmarksPane::choose_export() {
    const QString to = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export bookmarks"),
        QDir::home().filePath(QStringLiteral("bookmarks.csv")),
        QStringLiteral("Bookmark files (*.csv);;All files (*)"));
    if (!to.isEmpty()) export_file(to.toStdString());
}

} // namespace zenka
