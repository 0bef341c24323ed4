#include "panel/pane_table.h"

#include <QColor>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTableView>

namespace zenka {

QTableView* pane_table(QWidget* parent, QAbstractItemModel* model, const QString& object_name,
                       const QString& name, const QString& description) {
    auto* t = new QTableView(parent);
    t->setObjectName(object_name);
    t->setModel(model);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setTabKeyNavigation(false);
    t->setAlternatingRowColors(true);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setStretchLastSection(false);
    // Narrow columns, so that the station's (which stretches) has the room.
    t->horizontalHeader()->setDefaultSectionSize(
        t->fontMetrics().horizontalAdvance(QStringLiteral("Strength")) + 16);
    t->horizontalHeader()->setMinimumSectionSize(
        t->fontMetrics().horizontalAdvance(QStringLiteral("kHz")) + 16);
    t->horizontalHeader()->setHighlightSections(false);
    t->setAccessibleName(name);
    t->setAccessibleDescription(description);
    return t;
}

QLineEdit* search_field(QWidget* parent, const QString& object_name, const QString& placeholder,
                        const QString& name, const QString& description) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(object_name);
    f->setPlaceholderText(placeholder);
    f->setClearButtonEnabled(true);
    f->setAccessibleName(name);
    f->setAccessibleDescription(description);
    return f;
}

void say(QLabel* label, const QString& text) {
    if (label->text() == text && label->accessibleName() == text) return;
    label->setText(text);
    label->setAccessibleName(text);
}

QLabel* warning_line(QWidget* parent, const QString& object_name) {
    auto* l = new QLabel(parent);
    l->setObjectName(object_name);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette warn = l->palette();
    warn.setColor(QPalette::WindowText, QColor(170, 30, 30));
    l->setPalette(warn);
    l->hide();
    return l;
}

void tell(QLabel* line, const QString& text) {
    say(line, text);
    line->setVisible(!text.isEmpty());
}

} // namespace zenka
