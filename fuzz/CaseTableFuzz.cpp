// A cases file holding any bytes: reading it and making every row's options never faults; a
// row is either refused with a reason or gives options whose numbers are finite.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "base/NumberText.h"
#include "batch/CaseTable.h"
#include "batch/StudyCase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const CaseTable table = ReadCaseTable(text);
        const std::vector<const CaseColumn*> columns = MatchCaseColumns(table.columns);
        const BatchOptions study;
        for (const std::vector<std::string>& row : table.rows) {
            try {
                const BatchOptions o = CaseOptions(study, columns, row);
                for (const std::string* number :
                     {&o.awningWidth, &o.windowWidth, &o.windowHeight, &o.frontHeight,
                      &o.heightDifference, &o.projection, &o.altitude, &o.azimuth}) {
                    if (!std::isfinite(ReadNumber(*number))) {
                        std::fprintf(stderr, "a row with a number that is not finite passed\n");
                        std::abort();
                    }
                }
            } catch (const UsageError&) {
            }
        }
    } catch (const CaseTableError&) {
    } catch (const UsageError&) {
    }
    return 0;
}
