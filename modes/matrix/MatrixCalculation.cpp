#include "modes/matrix/MatrixCalculation.h"

#include "model/FractionRange.h"

using namespace mduUmbravel;

MatrixResults EvaluateMatrix(const ShadingCase& c) {
    MatrixResults r;
    r.report =
        EvaluateBeamMatrix(c.dimensions, c.GeomMode(), MatrixReportRows, MatrixReportColumns);
    r.diffuse = EvaluateDiffuse(c.dimensions, c.GeomMode(), MatrixDiffuseSteps);
    AddPhysicalFactorsWhereNeeded(r.diffuse, DeviceShapeOf(c));
    r.data = EvaluateBeamMatrix(c.dimensions, c.GeomMode(), MatrixDataRows, MatrixDataColumns);
    return r;
}

bool OutsideUnitRange(const MatrixResults& r) {
    for (const std::vector<double>& row : r.report.usf) {
        for (const double fraction : row) {
            if (OutsideUnitRange(fraction))
                return true;
        }
    }
    return OutsideUnitRange(r.diffuse.skyUSF) || OutsideUnitRange(r.diffuse.groundUSF);
}
