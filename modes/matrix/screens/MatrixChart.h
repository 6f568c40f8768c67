#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <string>

#include "modes/matrix/BeamMatrixSweep.h"

class QChartView;

// The matrix screen's chart: the unshaded fraction against the solar altitude, one line per
// azimuth of the five data files, with a button that saves it as a PNG or SVG picture.
class MatrixChart : public QWidget {
    Q_OBJECT

  public:
    MatrixChart();
    // Draws the sweep of the screen's table; a picture, with the caption under it, is offered in
    // the case's data folder.
    void Show(const mduUmbravel::BeamMatrix& sweep, const std::string& dataPath,
              const QStringList& caption);
    // Saves the chart as SVG when the name ends in ".svg", else as PNG; false when it cannot.
    bool SavePicture(const QString& path);

  private:
    void cmdSavePicture_Click();

    QChartView* chtMatrix;
    std::string dataPath_;
    QStringList caption_;
};
