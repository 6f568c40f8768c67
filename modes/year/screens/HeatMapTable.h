#pragma once

#include "modes/year/ShadingYear.h"

class QTableWidget;

// A month-by-hour table of the beam unshaded fraction on the 21st of each month, coloured as the
// heat map's legend shows; empty cells where the sun is not on the window.
QTableWidget* NewHeatMapTable(const char* name);
void ShowHeatMap(QTableWidget* table, const MonthHourTable& fractions);
