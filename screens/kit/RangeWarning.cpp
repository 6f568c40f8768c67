#include "screens/kit/RangeWarning.h"

#include <QHBoxLayout>
#include <QLabel>
#include <string>

#include "screens/kit/ScreenParts.h"

QLabel* NewRangeWarning(const char* name, std::string_view text) {
    QLabel* warning = NewLabel(name, ToQt(text), LabelKind::Paragraph);
    warning->setVisible(false);
    return warning;
}

QHBoxLayout* NewWarnedValueRow(QLabel* value, QLabel* warning) {
    auto* row = new QHBoxLayout;
    row->addWidget(value);
    row->addWidget(warning, 1);
    return row;
}
