#include "meter/app/tuner_presence.h"

namespace qn::meter {

bool IsTunerFileName(const std::string& foundName) {
    return foundName == kTunerFileName;
}

}  // namespace qn::meter
