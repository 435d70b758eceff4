#include "tuner/core/registry_messages.h"

namespace qn {

const char* const kRegistryClassErrorTitle = "Registry Class Error";

std::string RegistryErrorText(RegStatus code) {
    switch (code) {
        case kRegSuccess:
            return "";
        case 5:
            return "Access denied to specified registry entry.";
        case 14:
            return "Out of memory.";
        case 87:
            return "Invalid parameter.";
        case 998:
            return "No access allowed to the specified key.";
        case 1009:
        case 1010:
        case 1015:
            return "The registration database is corrupt.";
        case 1011:
            return "Cannot open specified key.";
        case 1012:
            return "Cannot read specified key.";
        case 1013:
            return "Cannot write to specified key.";
        case 1016:
            return "Undefined I/O error in the registration database.";
        case 1017:
            return "Specified file is not in the standard registration database format.";
        default:
            return "Undefined Registry Error # " + std::to_string(code);
    }
}

void ShowRegistryError(ui::MessageBoxes& boxes, RegStatus code) {
    if (code == kRegSuccess) return;
    boxes.MsgBox(RegistryErrorText(code), ui::vbInformation, kRegistryClassErrorTitle);
}

std::vector<std::string> SplitMultiString(const std::string& data) {
    std::vector<std::string> items;
    std::size_t start = 0;
    // An empty piece is the second NUL of the pair that ends the list.
    while (start < data.size()) {
        const std::size_t nul = data.find('\0', start);
        if (nul == std::string::npos || nul == start) break;
        items.push_back(data.substr(start, nul - start));
        start = nul + 1;
    }
    return items;
}

}  // namespace qn
