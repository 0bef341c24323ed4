#include "panel/bookmark_dialog.h"

#include "shell/dial.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStringList>
#include <QVBoxLayout>

namespace zenka {
namespace {

QLineEdit* field(QWidget* parent, const char* object, const QString& name,
                 const QString& description) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(QString::fromLatin1(object));
    f->setAccessibleName(name);
    f->setAccessibleDescription(description);
    return f;
}

} // namespace

std::vector<std::string> tags_from_text(const QString& text) {
    std::vector<std::string> tags;
    for (const QString& t : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const QString tag = t.trimmed(); !tag.isEmpty()) tags.push_back(tag.toStdString());
    return tags;
}

QString tags_text(const std::vector<std::string>& tags) {
    QStringList out;
    for (const std::string& t : tags)
        out << QString::fromStdString(t);
    return out.join(QStringLiteral(", "));
}

BookmarkDialog::BookmarkDialog(const QString& title, const Bookmark& b, Keep keep,
                               QWidget* parent)
    : QDialog(parent), keep_(std::move(keep)) {
    setObjectName(QStringLiteral("bookmark_dialog"));
    setWindowTitle(title);
    setAccessibleName(title);
    name_ = field(this, "bookmark_name", QStringLiteral("Name"),
                  QStringLiteral("The bookmark's name."));
    name_->setText(QString::fromStdString(b.name));
    freq_ = field(this, "bookmark_freq", QStringLiteral("Frequency"),
                  QStringLiteral("The frequency in kHz, 10.0 to 1000.4."));
    freq_->setText(b.freq > 0 ? QString::fromStdString(dial_text(b.freq)) : QString());
    note_ = new QPlainTextEdit(this);
    note_->setObjectName(QStringLiteral("bookmark_note"));
    note_->setAccessibleName(QStringLiteral("Note"));
    note_->setAccessibleDescription(
        QStringLiteral("A note of your own; Enter starts a new line, Ctrl+Enter is OK."));
    note_->setTabChangesFocus(true);
    note_->setPlainText(QString::fromStdString(b.note));
    note_->setFixedHeight(note_->fontMetrics().height() * 4 + 12);
    tags_ = field(this, "bookmark_tags", QStringLiteral("Tags"),
                  QStringLiteral("Tags, separated by commas."));
    tags_->setText(tags_text(b.tags));
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("bookmark_problem"));
    problem_->setWordWrap(true);
    problem_->hide();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Name"), name_);
    form->addRow(QStringLiteral("&Frequency, kHz"), freq_);
    form->addRow(QStringLiteral("N&ote"), note_);
    form->addRow(QStringLiteral("&Tags"), tags_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &BookmarkDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BookmarkDialog::reject);
    // Enter in the note starts a line; Ctrl+Enter is OK from any field.
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Return),
                                     QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* ok = new QShortcut(keys, this);
        connect(ok, &QShortcut::activated, this, &BookmarkDialog::accept);
    }
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(problem_);
    column->addWidget(buttons);
    resize(420, sizeHint().height());
    name_->setFocus(Qt::OtherFocusReason);
    name_->selectAll();
}

Bookmark BookmarkDialog::bookmark() const {
    Bookmark b;
    b.name = name_->text().trimmed().toStdString();
    const DialReading r = read_khz(freq_->text().trimmed().toStdString());
    b.freq = r.ok() ? r.freq : 0;
    // A line break typed at the end of the note is no line of it.
    QString note = note_->toPlainText();
    while (note.endsWith(QLatin1Char('\n')))
        note.chop(1);
    b.note = note.toStdString();
    b.tags = tags_from_text(tags_->text());
    return b;
}

QString BookmarkDialog::problem() const {
    return problem_->text();
}

void BookmarkDialog::accept() {
    const Bookmark b = bookmark();
    std::string why;
    if (b.freq == 0) {
        why = "Type the frequency in kHz, ";
        why += kDialKhz;
        why += '.';
    } else {
        why = keep_(b);
    }
    if (!why.empty()) {
        problem_->setText(QString::fromStdString(why));
        problem_->setAccessibleName(problem_->text());
        problem_->show();
        return;
    }
    QDialog::accept();
}

} // namespace zenka
