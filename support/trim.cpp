#include "support/trim.h"

namespace qn {

std::string TrimLeadingSpaces(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimTrailingSpaces(std::string_view text) {
    const size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string TrimSpaces(std::string_view text) {
    return TrimLeadingSpaces(TrimTrailingSpaces(text));
}

}  // namespace qn
