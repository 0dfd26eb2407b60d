#pragma once

#include <string>

namespace pellax::bench {

struct ProbeRun {
    double seconds = 0;  // from starting the process to its report of the first frame
    double cpuSeconds = 0;  // CPU time the probe used by then, all its threads
    double peakMb = 0;   // the process's peak resident memory by then, in MB (10^6 bytes)
};

// Starts the probe program at `path`, waits for its "peak_kb" report and for its
// end. Throws std::runtime_error when it cannot start or ends without a report.
ProbeRun runProbe(const std::string& path);

}  // namespace pellax::bench
