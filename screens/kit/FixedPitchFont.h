#pragma once

#include <QFont>

// A font for text laid out in columns. Some fonts sold as monospaced report no fixed pitch, and
// some that report it are not, so the glyphs decide: every printable ASCII character must
// advance by the same width.
bool HasEvenAdvances(const QFont& font);

// The system's fixed font when its glyphs are even, else the first installed family whose
// glyphs are; the system's fixed font when none is.
QFont FixedPitchFont();
