#pragma once
// The small dialog a bookmark is made or changed in: its name, frequency, note and
// tags. OK hands the bookmark to `keep`; what `keep` says is wrong with it is shown in
// the dialog, which stays open so that nothing typed is lost.

#include "shell/bookmark_table.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zenka {

class BookmarkDialog final : public QDialog {
    Q_OBJECT

  public:
    // Empty when the bookmark is kept, else why not, in words for the listener.
    using Keep = std::function<std::string(const Bookmark&)>;

    BookmarkDialog(const QString& title, const Bookmark& b, Keep keep, QWidget* parent);

    // The bookmark as the fields stand; frequency 0 when the typed one does not read.
    Bookmark bookmark() const;
    // What is wrong, as the dialog shows it; empty when nothing is.
    QString problem() const;

    QLineEdit* name() const { return name_; }
    QLineEdit* freq() const { return freq_; }
    QPlainTextEdit* note() const { return note_; }
    QLineEdit* tags() const { return tags_; }

    // OK: the bookmark is kept and the dialog closes, or it says why not.
    void accept() override;

  private:
    Keep keep_;
    QLineEdit* name_;
    QLineEdit* freq_;
    QPlainTextEdit* note_;
    QLineEdit* tags_;
    QLabel* problem_;
};

// "Coast, 500 kHz" -> {"Coast", "500 kHz"}; the tags as the dialog writes them back.
std::vector<std::string> tags_from_text(const QString& text);
QString tags_text(const std::vector<std::string>& tags);

} // namespace zenka
