#pragma once
// The host name inside a web address, as the bookmark and favorites imports
// take it, and the names they pass on to the hosts editor.
#include <cstddef>
#include <string>
#include <string_view>

namespace qn {

// The text between the second and the third "/": "www.example.com" from
// "http://www.example.com/page". Empty when there are fewer than three "/",
// so an address that ends right after its host gives nothing.
std::string GetLastSlash(std::string_view text);

// The position, counted from 1, of the last "\"; 0 when there is none.
std::size_t GetLastBackSlash(std::string_view text);

// A name the editor may look up and write into the hosts file as it is: a
// plain host name or address. Anything else found in an address (a port,
// spaces, quotes, markup) would make a hosts line that says something else.
bool IsImportableHost(const std::string& name);

}  // namespace qn
