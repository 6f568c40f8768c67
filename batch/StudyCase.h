#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"

// One column a cases file may have: named as the long option it sets.
struct CaseColumn {
    std::string name;
    bool number;                                     // a plain decimal number is required
    bool echoed;                                     // repeated in the results
    std::string (*studyValue)(const BatchOptions&);  // the value when the cell is missing
};

// Every column a cases file may have, in the order the results repeat them.
const std::vector<CaseColumn>& CaseColumns();

// Where each column of a cases file's header stands among CaseColumns. Throws UsageError for
// an unknown or repeated column name.
std::vector<const CaseColumn*> MatchCaseColumns(const std::vector<std::string>& header);

// The options of one row: the study's own options, each non-empty cell stored over them as its
// option stores its value, then checked together as the command line is. Throws UsageError
// naming the column for a row that cannot be used.
BatchOptions CaseOptions(const BatchOptions& study, const std::vector<const CaseColumn*>& columns,
                         const std::vector<std::string>& cells);
