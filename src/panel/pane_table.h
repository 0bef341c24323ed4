#pragma once
// The list every pane of the band window shows: whole rows chosen one at a time, no
// editing, the keyboard moving from row to row and Tab leaving the list.

#include <QString>
#include <QVariant>
#include <Qt>

class QAbstractItemModel;
class QLabel;
class QLineEdit;
class QTableView;
class QWidget;

namespace zenka {

QTableView* pane_table(QWidget* parent, QAbstractItemModel* model, const QString& object_name,
                       const QString& name, const QString& description);

// A pane's search field: a placeholder saying what it searches, a clear button.
QLineEdit* search_field(QWidget* parent, const QString& object_name, const QString& placeholder,
                        const QString& name, const QString& description);

// A list's column heading, from the headings in column order.
template <int N>
QVariant heading(const char* const (&heads)[N], int section, Qt::Orientation o, int role) {
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= N) return {};
    return QString::fromLatin1(heads[section]);
}

// Shows `text` in a pane's line about itself; a screen reader is told when it changed.
void say(QLabel* label, const QString& text);

// A pane's line for what went wrong, in the colour of a warning, shown only while it
// says something (tell()).
QLabel* warning_line(QWidget* parent, const QString& object_name);
void tell(QLabel* line, const QString& text);

} // namespace zenka
