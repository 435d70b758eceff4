#pragma once
// Internet Explorer's favorites: ".url" shortcut files, an INI text whose
// second line is taken as the address
// ("[InternetShortcut]" then "URL=http://...").
#include <string>
#include <string_view>

namespace qn {

// The host of a shortcut line: GetLastSlash of it.
std::string ExtractURL(std::string_view line);

// The host of a shortcut file: ExtractURL of its second line (lines end as
// in a hosts file); empty when the file has fewer lines.
std::string FavoriteFileHost(std::string_view fileText);

// Whether a file name is a shortcut's: it ends in ".url" in any letter case.
bool IsFavoriteFileName(std::string_view name);

}  // namespace qn
