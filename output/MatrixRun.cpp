#include "output/MatrixRun.h"

#include "output/MatrixDataFiles.h"
#include "output/MatrixReport.h"

MatrixModeRun RunMatrixMode() {
    MatrixModeRun run{RunMatrixReport(), MatrixReportOutsideUnitRange()};
    RunMatrixDataFiles();
    return run;
}
