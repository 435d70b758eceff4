#include "meter/app/meter_identity.h"

namespace qn::meter {

std::string StartupTooltip(const std::string& title, int major, int minor) {
    return title + " v" + std::to_string(major) + "." + std::to_string(minor);
}

std::string TrayCallbackMessageName(const std::string& title) {
    return title + "_TrayMsg";
}

std::string FitToField(const std::string& text, std::size_t fieldSize) {
    if (fieldSize == 0) return std::string();
    return text.substr(0, fieldSize - 1);
}

}  // namespace qn::meter
