#include "output/MatrixRun.h"

#include "output/MatrixDataFiles.h"
#include "output/MatrixReport.h"

MatrixModeRun RunMatrixMode(const ShadingCase& c) {
    MatrixModeRun run{EvaluateMatrix(c), {}, false};
    run.text = MatrixResultsText(c, run.results);
    run.outsideUnitRange = OutsideUnitRange(run.results);
    StagedFiles files;
    PrintChannel print(files, c.output.PrintFilePath(), StagedFiles::Kind::Append);
    WriteMatrixDataFiles(files, c, run.results);
    WriteMatrixSection(print, c, run.results);
    print.Close();
    files.Commit();
    return run;
}
