#include "screens/kit/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

bool HasEvenAdvances(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(QChar(' '));
    for (char16_t c = '!'; c <= '~'; ++c) {
        if (metrics.horizontalAdvance(QChar(c)) != width)
            return false;
    }
    return width > 0;
}

QFont FixedPitchFont() {
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (HasEvenAdvances(system))
        return system;
    for (const QString& family : QFontDatabase::families()) {
        QFont candidate(family, system.pointSize());
        if (HasEvenAdvances(candidate))
            return candidate;
    }
    return system;
}
