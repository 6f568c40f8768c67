#include "modes/matrix/MatrixRun.h"

#include "modes/matrix/MatrixDataFiles.h"
#include "modes/matrix/MatrixReport.h"

MatrixModeRun RunMatrixMode() {
    MatrixModeRun run{RunMatrixReport(), MatrixReportOutsideUnitRange()};
    RunMatrixDataFiles();
    return run;
}
