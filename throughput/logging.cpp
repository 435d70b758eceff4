#include "throughput/logging.h"

namespace qn {

void mLogging::OpenLog(const std::string& path) {
    if (!Enabled) return;
    if (files_.Append(path, "")) path_ = path;
}

void mLogging::WriteLog(const std::string& message) {
    if (!Enabled || path_.empty()) return;
    files_.Append(path_, clock_.GeneralDateNow() + ": " + message + "\r\n");
}

}  // namespace qn
