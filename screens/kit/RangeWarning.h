#pragma once

#include <string_view>

class QHBoxLayout;
class QLabel;

// A plain line beside a computed value, hidden until the screen finds the value outside the
// range the shading model holds for.
QLabel* NewRangeWarning(const char* name, std::string_view text);

// The value with its warning to the right of it.
QHBoxLayout* NewWarnedValueRow(QLabel* value, QLabel* warning);
