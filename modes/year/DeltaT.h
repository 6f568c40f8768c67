#pragma once

// Terrestrial time minus universal time (UT1), in seconds, at an instant given as a Julian day:
// the published yearly values from 1950 on, and before or after them the long-term parabola
// joined to the table's ends.
double DeltaT(double julianDay);
