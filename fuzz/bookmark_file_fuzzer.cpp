// Any bytes as a bookmark file: the reader ends, keeps to the editor's number
// of entries, and every name it gives is a piece of one line between "/"s
// that stops before a quote.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "tuner/hosts/address_host.h"
#include "tuner/hosts/bookmark_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using qn::fuzz::Require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    qn::ImportedHosts hosts;
    qn::ListBookmarkHosts(text, hosts);
    Require(hosts.Count() <= qn::ImportedHosts::kLimit, "no more names than the editor holds");
    for (const std::string& host : hosts.Names()) {
        Require(host.find_first_of("/\"\r\n") == std::string::npos,
                "a name holds no slash, quote or line end");
        Require(text.find(host) != std::string_view::npos, "a name is a piece of the file");
        if (qn::IsImportableHost(host)) {
            Require(host.find_first_of(" \t#") == std::string::npos,
                    "a name for the editor holds no blank or comment");
        }
    }
    return 0;
}
