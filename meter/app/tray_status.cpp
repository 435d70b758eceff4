#include "meter/app/tray_status.h"

#include "throughput/graph_labels.h"

namespace qn::meter {

TrayPicture TrayPictureFor(std::int32_t lIn, std::int32_t lOut) {
    if (lIn > 0 && lOut > 0) return TrayPicture::InOut;
    if (lOut > 0) return TrayPicture::Out;
    if (lIn > 0) return TrayPicture::In;
    return TrayPicture::None;
}

std::string TrayTooltip(const std::string& title, std::int32_t lIn, std::int32_t lOut) {
    return title + " In: " + Kilobytes(lIn) + " Out: " + Kilobytes(lOut);
}

}  // namespace qn::meter
