#pragma once

#include <string>
#include <vector>

#include "model/FloorModel.h"

namespace fd9 {

// Part of a report line: its text after a number of zone separators (each moves on to the next
// zone of 14 columns, by at least one blank).
struct ReportPiece {
    int zonesBefore = 0;
    std::string text;
};

struct ReportLine {
    std::vector<ReportPiece> pieces;
    bool bold = false;  // the printer shows the headings in bold; the text file has no bold
};

enum class ReportTarget { TextFile, Printer };

inline constexpr int ReportZoneWidth = 14;

// "6-December-2026": day without leading zero, full English month name, four-digit year.
std::string ReportDate(int year, int month, int day);

// The report of the model as the last CALCULATE left it. Floor type, design fire, support,
// steel and concrete types are the current selections, which the calculation reads.
std::vector<ReportLine> ReportLines(const FloorModel& model, const std::string& date,
                                    ReportTarget target);

// One line laid out in zones of 14 characters.
std::string ReportLineText(const ReportLine& line);

// The whole results text file: every line ends in CR LF.
std::string ResultsFileText(const FloorModel& model, const std::string& date);

}  // namespace fd9
