#include "modes/year/screens/HeatMapTable.h"

#include <QHeaderView>
#include <QTableWidget>

#include "modes/year/MonthNames.h"
#include "modes/year/screens/HeatMapCellDelegate.h"
#include "modes/year/screens/HeatMapLegend.h"

QTableWidget* NewHeatMapTable(const char* name) {
    auto* table = new QTableWidget(12, 24);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setItemDelegate(new HeatMapCellDelegate(table));
    for (int hour = 0; hour < 24; ++hour)
        table->setHorizontalHeaderItem(hour, new QTableWidgetItem(QString::number(hour)));
    for (int month = 0; month < 12; ++month)
        table->setVerticalHeaderItem(
            month, new QTableWidgetItem(QString::fromLatin1(MonthAbbreviation(month).data(), 3)));
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QFont small = table->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    table->setFont(small);
    table->horizontalHeader()->setFont(small);
    table->verticalHeader()->setFont(small);
    table->setMinimumSize(24 * QFontMetrics(small).horizontalAdvance("0.00 ") + 40,
                          12 * (QFontMetrics(small).height() + 4) + 30);
    return table;
}

void ShowHeatMap(QTableWidget* table, const MonthHourTable& fractions) {
    for (int month = 0; month < 12; ++month) {
        for (int hour = 0; hour < 24; ++hour) {
            const YearStep& step = fractions[month][hour];
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            if (step.window.sunOnWindow) {
                const QColor colour = FractionColour(step.beamUSF);
                cell->setBackground(colour);
                cell->setForeground(colour.lightness() > 140 ? Qt::black : Qt::white);
                cell->setText(QString::number(step.beamUSF, 'f', 2));
            }
            table->setItem(month, hour, cell);
        }
    }
}
