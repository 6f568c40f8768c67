#include "screens/kit/AccessibleNames.h"

#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace {

bool IsEntry(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w);
}

QString CaptionText(const QLayoutItem* item) {
    const auto* label = item ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
    if (label == nullptr)
        return {};
    QString text = label->text().simplified();
    text.remove('&');
    while (text.endsWith(':'))
        text.chop(1);
    return text;
}

void Name(QWidget* entry, const QString& above, const QString& before) {
    if (!entry->accessibleName().isEmpty() || (above.isEmpty() && before.isEmpty()))
        return;
    if (above.isEmpty())
        entry->setAccessibleName(before);
    else
        entry->setAccessibleName(before.isEmpty() ? above : above + " (" + before + ")");
}

void NameInGrid(QGridLayout* grid) {
    for (int k = 0; k < grid->count(); ++k) {
        QWidget* entry = grid->itemAt(k)->widget();
        if (entry == nullptr || !IsEntry(entry))
            continue;
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(k, &row, &column, &rows, &columns);
        Name(entry, row > 0 ? CaptionText(grid->itemAtPosition(row - 1, column)) : QString(),
             column > 0 ? CaptionText(grid->itemAtPosition(row, column - 1)) : QString());
    }
}

// The first entry of a row of widgets, such as a box with its "Browse" button.
QWidget* FirstEntry(QLayout* row) {
    for (int k = 0; k < row->count(); ++k) {
        if (QWidget* w = row->itemAt(k)->widget(); w != nullptr && IsEntry(w))
            return w;
    }
    return nullptr;
}

void NameInRow(QBoxLayout* row) {
    for (int k = 1; k < row->count(); ++k) {
        QLayoutItem* item = row->itemAt(k);
        QWidget* entry = item->layout() != nullptr ? FirstEntry(item->layout()) : item->widget();
        if (entry != nullptr && IsEntry(entry))
            Name(entry, {}, CaptionText(row->itemAt(k - 1)));
    }
}

}  // namespace

void NameEntriesByTheirCaptions(QWidget* screen) {
    QList<QLayout*> layouts = screen->findChildren<QLayout*>();
    if (screen->layout() != nullptr)
        layouts.prepend(screen->layout());
    for (QLayout* layout : layouts) {
        if (auto* grid = qobject_cast<QGridLayout*>(layout))
            NameInGrid(grid);
        else if (auto* row = qobject_cast<QBoxLayout*>(layout))
            NameInRow(row);
    }
}
