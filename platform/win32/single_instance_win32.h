#pragma once
#include <memory>
#include <string>

#include "platform/single_instance.h"

namespace qn::win32 {

// Creates a named mutex for programName and holds it for the life of the
// returned object; keep the object alive until the program ends.
std::unique_ptr<SingleInstance> MakeWin32SingleInstance(const std::string& programName);

}  // namespace qn::win32

namespace qn {
using win32::MakeWin32SingleInstance;
}  // namespace qn
