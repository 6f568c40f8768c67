#pragma once

#include <QString>
#include <QWidget>

class QChartView;

// The matrix screen's chart: the unshaded fraction against the solar altitude, one line per
// azimuth of the five data files, with a button that saves it as a PNG or SVG picture.
class MatrixChart : public QWidget {
    Q_OBJECT

  public:
    MatrixChart();
    // Draws the data sweep the matrix run left in MatrixAltitudes, MatrixAzimuths, MatrixUSF.
    void Show();
    // Saves the chart as SVG when the name ends in ".svg", else as PNG; false when it cannot.
    bool SavePicture(const QString& path);

  private:
    void cmdSavePicture_Click();

    QChartView* chtMatrix;
};
