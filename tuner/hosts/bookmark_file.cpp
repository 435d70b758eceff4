#include "tuner/hosts/bookmark_file.h"

#include "tuner/hosts/address_host.h"
#include "tuner/hosts/hosts_format.h"

namespace qn {

namespace {

constexpr std::string_view kBookmarkLineStart = "<DT><A ";
constexpr std::string_view kBookmarkAddress = " HREF=";

}  // namespace

std::optional<std::string> BookmarkHost(std::string_view line) {
    // Exports of later browsers indent with TABs, and some put other
    // attributes before the address: both are still bookmarks.
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) return std::nullopt;
    const std::string_view trimmed = line.substr(start);
    if (trimmed.compare(0, kBookmarkLineStart.size(), kBookmarkLineStart) != 0) {
        return std::nullopt;
    }
    const size_t address = trimmed.find(kBookmarkAddress, kBookmarkLineStart.size() - 1);
    if (address == std::string_view::npos) return std::nullopt;
    // Without a path after the host, the third "/" is the one of "</A>", and
    // the attributes up to it go with the host until the quote ends them.
    std::string host = GetLastSlash(std::string(trimmed.substr(address + 1)));
    const std::size_t quote = host.find('"');
    if (quote != std::string::npos) host.erase(quote);
    return host;
}

void ListBookmarkHosts(std::string_view fileText, ImportedHosts& hosts) {
    for (std::string_view line : SplitHostsLines(fileText)) {
        if (hosts.Full()) return;
        if (auto host = BookmarkHost(line)) hosts.Add(std::move(*host));
    }
}

}  // namespace qn
