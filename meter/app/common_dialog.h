#pragma once
// cCommonDialog: the system's open-file and colour dialogs as one call each,
// the answers coming back through the arguments.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/common_dialogs.h"

namespace qn::meter {

// The arguments of an open-file dialog, changed by it as described.
struct OpenFileArgs {
    std::string Filename;   // in: the name offered; out: the name chosen
    std::string FileTitle;  // out: the chosen file's name without its folder
    bool FileMustExist = true;
    bool MultiSelect = false;
    bool ReadOnly = false;  // in/out: the "Open as read-only" box
    bool HideReadOnly = true;
    // Description and pattern pairs, separated by "|" or ":"; out: the part
    // of it that FilterIndex names.
    std::string Filter;
    std::int32_t FilterIndex = 1;  // in/out, from 1
    std::string InitDir;
    std::string DlgTitle;
    std::string DefaultExt;
    std::intptr_t Owner = -1;  // -1: none
    std::int32_t flags = 0;    // in: further OFN_ flags; out: what the dialog left
};

class cCommonDialog {
  public:
    // sysColor: GetSysColor, for the custom colours' first values.
    cCommonDialog(CommonDialogs& dialogs, std::function<std::uint32_t(std::int32_t)> sysColor);

    // True when a file was chosen; otherwise the names and the filter are
    // empty, flags 0 and FilterIndex -1.
    bool VBGetOpenFileName(OpenFileArgs& args);
    // True when a colour was chosen; otherwise Color is -1.
    bool VBChooseColor(std::int32_t& Color, bool AnyColor = true, bool FullOpen = false,
                       bool DisableFullOpen = false, std::intptr_t Owner = -1);

    // 0 to 15; any other index reads -1 and writes nothing.
    std::int32_t CustomColor(std::int16_t i);
    void SetCustomColor(std::int16_t i, std::int32_t iValue);

    // The last dialog's result (1 when something was chosen), and the
    // dialog's error code after a failure (0 after Cancel).
    std::int32_t APIReturn() const { return apiReturn_; }
    std::int32_t ExtendedError() const { return extendedError_; }

  private:
    CustomColors& Custom();

    CommonDialogs& dialogs_;
    std::function<std::uint32_t(std::int32_t)> sysColor_;
    CustomColors custom_{};
    bool customFilled_ = false;
    std::int32_t apiReturn_ = 0;
    std::int32_t extendedError_ = 0;
};

}  // namespace qn::meter
