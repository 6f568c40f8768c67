#pragma once

#include <QStyledItemDelegate>

// Paints a heat map cell as its colour and its centred text, without the style's text layout:
// the month-by-hour table repaints whole at every new year, and the style's way takes several
// times as long.
class HeatMapCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
