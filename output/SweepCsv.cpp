#include "output/SweepCsv.h"

#include "base/NumberText.h"
#include "base/PrintChannel.h"

std::string SweepCsvText(std::string_view symbol, bool throughGlass,
                         const std::vector<SweepRow>& rows) {
    const std::string removed = throughGlass ? ",gain_removed_" : ",removed_";
    std::string out(symbol);
    for (const char* period : {"year", "june_august", "december_february"})
        out += removed + period + "_percent";
    out += "\r\n";
    for (const SweepRow& row : rows) {
        AppendRoundTripText(out, row.value);
        for (const double share : row.removed) {
            out += ',';
            AppendRoundTripText(out, share);
        }
        out += "\r\n";
    }
    return out;
}

void WriteSweepCsv(const std::string& path, std::string_view symbol, bool throughGlass,
                   const std::vector<SweepRow>& rows) {
    WriteWholeFile(path, SweepCsvText(symbol, throughGlass, rows));
}
