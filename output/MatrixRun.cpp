#include "output/MatrixRun.h"

#include "output/MatrixDataFiles.h"
#include "output/MatrixReport.h"

MatrixModeRun RunMatrixMode(const ShadingCase& c) {
    MatrixModeRun run{EvaluateMatrix(c), {}, false};
    run.text = MatrixResultsText(c, run.results);
    run.outsideUnitRange = OutsideUnitRange(run.results);
    AppendMatrixSection(c, run.results);
    WriteMatrixDataFiles(c, run.results);
    return run;
}
