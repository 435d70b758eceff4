#pragma once
// What the tray shows each second: a picture by activity and the rates.
#include <cstdint>
#include <string>

namespace qn::meter {

enum class TrayPicture { None, In, Out, InOut };

// In and Out are the bytes received and sent in the last second.
TrayPicture TrayPictureFor(std::int32_t lIn, std::int32_t lOut);
// title + " In: 1.5kb/s Out: 0kb/s".
std::string TrayTooltip(const std::string& title, std::int32_t lIn, std::int32_t lOut);

}  // namespace qn::meter
