#pragma once
// Splitting a path into its names: every separator ends a name and empty
// names (from leading, trailing or repeated separators) are dropped, so
// "\a\\b\" and "a\b" give the same parts.
#include <string>
#include <string_view>
#include <vector>

namespace qn {

// Separators of a Windows file path; a version-resource path uses "\" only.
inline constexpr std::string_view kFilePathSeparators = "\\/";

std::vector<std::string> PathParts(std::string_view path,
                                   std::string_view separators = kFilePathSeparators);

}  // namespace qn
