#pragma once
// Netscape Navigator's bookmark file ("bookmark.htm"): one bookmark per line,
// "<DT><A HREF="address" ...>title</A>".
#include <optional>
#include <string>
#include <string_view>

#include "tuner/hosts/imported_hosts.h"

namespace qn {

// The host of a bookmark line: after spaces and TABs, the line starts with
// "<DT><A " and has an HREF attribute; the host is GetLastSlash of the text
// from "HREF=" on, cut before its first double quote. Nothing for any other
// line.
std::optional<std::string> BookmarkHost(std::string_view line);

// Appends the host of every bookmark line of the file, in order. Lines end
// as in a hosts file (CR LF, CR or LF).
void ListBookmarkHosts(std::string_view fileText, ImportedHosts& hosts);

}  // namespace qn
