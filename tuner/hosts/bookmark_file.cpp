#include "tuner/hosts/bookmark_file.h"

#include "support/trim.h"
#include "tuner/hosts/address_host.h"
#include "tuner/hosts/hosts_format.h"

namespace qn {

namespace {

constexpr std::string_view kBookmarkLineStart = "<DT><A HREF=";

}  // namespace

std::optional<std::string> BookmarkHost(std::string_view line) {
    const std::string trimmed = TrimSpaces(line);
    if (trimmed.compare(0, kBookmarkLineStart.size(), kBookmarkLineStart) != 0) {
        return std::nullopt;
    }
    // Without a path after the host, the third "/" is the one of "</A>", and
    // the attributes up to it go with the host until the quote ends them.
    std::string host = GetLastSlash(trimmed);
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
