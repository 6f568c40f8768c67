#pragma once

#include "screens/kit/WizardScreen.h"

#include <functional>
#include <string>

class PlaceBox;
class QLineEdit;
class QLabel;
class QPushButton;

// "From place and time": the sun's position for a place, a window and a local date and time,
// shown as they are typed. "Use these angles" hands the window-relative altitude and azimuth,
// as texts, to onUse and closes; it is offered only while the sun reaches the window.
class frmSunFromPlace : public WizardScreen {
    Q_OBJECT

  public:
    using AnglesHandler =
        std::function<void(const std::string& altitude, const std::string& azimuth)>;
    frmSunFromPlace(QWidget* parent, AnglesHandler onUse);

  private:
    void Form_Change();
    void cmdUse_Click();
    void cmdCancel_Click();

    AnglesHandler onUse_;
    PlaceBox* framePlace;
    QLineEdit* txtWhen;
    QLabel* lblWhenNote;  // a time the clocks skip or repeat, or one that cannot be read
    QLabel* lblSun;
    QLabel* lblWindow;
    QPushButton* cmdUse;
    std::string altitudeText_, azimuthText_;
};
