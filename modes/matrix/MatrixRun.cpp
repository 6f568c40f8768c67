#include "modes/matrix/MatrixRun.h"

#include "modes/matrix/MatrixDataFiles.h"
#include "modes/matrix/MatrixReport.h"

std::string RunMatrixMode() {
    std::string text = RunMatrixReport();
    RunMatrixDataFiles();
    return text;
}
