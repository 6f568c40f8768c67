#pragma once

#include <QWidget>

#include "model/ExactShadow.h"
#include "model/ShadingCase.h"
#include "modes/beam/BeamCalculation.h"

class QLabel;

// The window and the device seen from outside, to scale, with the shadow the device casts on
// the window for one direction of the rays.
class ShadowView : public QWidget {
  public:
    ShadowView();
    void Show(const DeviceShape& device, const ShadowOnWindow& shadow);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    DeviceShape device;
    ShadowOnWindow shadow{1, {}};
};

// The beam screen's exact result: the shadow drawn for the sun position, the exact unshaded
// fraction of that shadow, and a sentence where the analytic value differs from it.
class ExactBeamPanel : public QWidget {
  public:
    ExactBeamPanel();
    // Draws the shadow of the case's device for its sun and compares its fraction with the
    // analytic one; says so in words where no direct sun reaches the window.
    void Show(const ShadingCase& c, double analyticUSF, const ExactBeam& exact);

  private:
    ShadowView* picShadow;
    QLabel* lblExactUSF;
    QLabel* lblExactNote;
};
