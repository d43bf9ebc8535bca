#pragma once
// Section six: every verdict of the report in one table, the largest
// utilisation and the conclusion, written from the run's check records.
#include <string>
#include <vector>

#include "basetypes/checkresult.h"
#include "basetypes/reporttext.h"

namespace veldrin {

void writeSummary(ReportText& report, const CheckResults& checks);

// What the quick-result panel adds after a run: the conclusion, then the
// governing check and its utilisation, each line short enough for the panel.
std::vector<std::string> quickResultLines(const CheckResults& checks);

// A utilisation as the summary shows it, with three decimals (1.000).
std::string utilisationText(double utilisation);

// Columns a text takes in a Chinese monospaced font: two for a Chinese
// character or a Greek letter, one for the rest.
std::size_t displayWidth(const std::string& utf8);

}  // namespace veldrin
