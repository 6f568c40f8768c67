#pragma once

#include <QGroupBox>
#include <QTimeZone>
#include <functional>

#include "modes/year/screens/PlaceSettings.h"

class CompassRose;
class QComboBox;
class QDoubleSpinBox;
class QLabel;

// The entries of a place and a window: latitude, longitude, time zone (one of the system's, with
// daylight saving, or a fixed UTC offset), the window's facing (a bearing or a click on the
// compass rose) and its fin side. Starts from the user's last place; every change runs onChange.
// onPlaceSettled runs when a change of latitude, longitude or time is complete: at once when it
// came without the keyboard, when the typing ends otherwise.
class PlaceBox : public QGroupBox {
  public:
    explicit PlaceBox(
        std::function<void()> onChange, std::function<void()> onPlaceSettled = [] {});

    PlaceSettings Values() const;
    QTimeZone Zone() const;
    // Hours of the zone's standard time ahead of UTC in the given year.
    double StandardOffset(int year) const;
    // A place from a weather file: its latitude, longitude and fixed offset.
    void SetPlace(double latitude, double longitude, double utcOffset);

  private:
    void cboTimeZone_Change();
    // A line under the entries when the longitude and the zone do not belong together.
    void ShowZoneCheck();

    std::function<void()> onChange_;
    std::function<void()> onPlaceSettled_;
    QDoubleSpinBox* txtLatitude;
    QDoubleSpinBox* txtLongitude;
    QComboBox* cboTimeZone;
    QDoubleSpinBox* txtUtcOffset;
    QDoubleSpinBox* txtFacing;
    CompassRose* picCompassRose;
    QComboBox* cboFinSide;
    QLabel* lblZoneCheck;
};
