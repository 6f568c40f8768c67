#pragma once

#include <QWidget>

#include "model/ExactShadow.h"

class QLabel;

// The diffuse screen's physically weighted factors of the current geometry, labelled as such,
// with a sentence on why they differ from the screen's own values.
class PhysicalDiffuseNote : public QWidget {
  public:
    PhysicalDiffuseNote();
    void Show(const DeviceShape& device);

  private:
    QLabel* lblPhysicalSky;
    QLabel* lblPhysicalGround;
};
