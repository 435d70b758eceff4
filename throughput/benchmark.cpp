#include "throughput/benchmark.h"

namespace qn {

std::string mBenchmark::EndBenchmark() const {
    return std::to_string(ElapsedMs());
}

}  // namespace qn
