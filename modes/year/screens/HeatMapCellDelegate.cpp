#include "modes/year/screens/HeatMapCellDelegate.h"

#include <QPainter>

void HeatMapCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.isValid())
        painter->fillRect(option.rect, background.value<QBrush>());
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    painter->save();
    painter->setFont(option.font);
    painter->setPen(index.data(Qt::ForegroundRole).value<QBrush>().color());
    painter->drawText(option.rect, Qt::AlignCenter, text);
    painter->restore();
}
