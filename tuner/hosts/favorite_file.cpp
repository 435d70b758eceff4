#include "tuner/hosts/favorite_file.h"

#include "support/ansi_case.h"
#include "tuner/hosts/address_host.h"
#include "tuner/hosts/hosts_format.h"

namespace qn {

namespace {

constexpr std::string_view kFavoriteExtension = ".url";

}  // namespace

std::string ExtractURL(std::string_view line) {
    return GetLastSlash(line);
}

std::string FavoriteFileHost(std::string_view fileText) {
    const std::vector<std::string_view> lines = SplitHostsLines(fileText);
    return lines.size() < 2 ? std::string() : ExtractURL(lines[1]);
}

bool IsFavoriteFileName(std::string_view name) {
    return name.size() >= kFavoriteExtension.size() &&
           EqualsIgnoringCaseAnsi(name.substr(name.size() - kFavoriteExtension.size()),
                                  kFavoriteExtension);
}

}  // namespace qn
