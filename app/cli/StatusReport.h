#pragma once

#include "app/cli/IOutput.h"
#include "s/map/IMappedData.h"

namespace app::cli {

// What /status prints, one fact a line with plain English labels: the SharedSection numbers,
// SessionViewSize, the kept values and whether the change is in force. Reads only.
void writeStatusReport(s::map::IMappedData& store, IOutput& out);

}  // namespace app::cli
