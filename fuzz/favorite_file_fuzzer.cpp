// Any bytes as a ".url" shortcut file: the reader ends, and the name it gives
// is a piece of the file without a slash or a line end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "tuner/hosts/address_host.h"
#include "tuner/hosts/favorite_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using qn::fuzz::Require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string host = qn::FavoriteFileHost(text);
    Require(host.find_first_of("/\r\n") == std::string::npos, "a name holds no slash or line end");
    Require(text.find(host) != std::string_view::npos, "a name is a piece of the file");
    if (qn::IsImportableHost(host)) {
        Require(host.find_first_of(" \t#") == std::string::npos,
                "a name for the editor holds no blank or comment");
    }
    return 0;
}
