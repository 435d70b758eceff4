#include "meter/app/common_dialog.h"

#include <algorithm>
#include <utility>

namespace qn::meter {

namespace {

constexpr std::uint32_t kOfnReadOnly = 0x1;
constexpr std::uint32_t kOfnHideReadOnly = 0x4;
constexpr std::uint32_t kOfnEnableHook = 0x20;
constexpr std::uint32_t kOfnEnableTemplate = 0x40;
constexpr std::uint32_t kOfnAllowMultiSelect = 0x200;
constexpr std::uint32_t kOfnFileMustExist = 0x1000;
constexpr std::uint32_t kCcRgbInit = 0x1;
constexpr std::uint32_t kCcFullOpen = 0x2;
constexpr std::uint32_t kCcPreventFullOpen = 0x4;
constexpr std::uint32_t kCcSolidColor = 0x80;
constexpr std::uint32_t kCcAnyColor = 0x100;

WindowHandle OwnerHandle(std::intptr_t owner) {
    return owner == -1 ? 0 : static_cast<WindowHandle>(owner);
}

// The part of NUL-separated text at position index (from 1); "" beyond.
std::string NulSeparatedPart(const std::string& text, std::int32_t index) {
    std::size_t start = 0;
    for (std::int32_t part = 1; part < index; ++part) {
        start = text.find('\0', start);
        if (start == std::string::npos) return "";
        ++start;
    }
    if (index < 1 || start > text.size()) return "";
    return text.substr(start, text.find('\0', start) - start);
}

}  // namespace

cCommonDialog::cCommonDialog(CommonDialogs& dialogs,
                             std::function<std::uint32_t(std::int32_t)> sysColor)
    : dialogs_(dialogs), sysColor_(std::move(sysColor)) {}

bool cCommonDialog::VBGetOpenFileName(OpenFileArgs& args) {
    apiReturn_ = 0;
    extendedError_ = 0;
    FileDialogRequest request;
    std::uint32_t flags = static_cast<std::uint32_t>(args.flags);
    if (args.FileMustExist) flags |= kOfnFileMustExist;
    if (args.MultiSelect) flags |= kOfnAllowMultiSelect;
    if (args.ReadOnly) flags |= kOfnReadOnly;
    if (args.HideReadOnly) flags |= kOfnHideReadOnly;
    request.flags = flags & ~(kOfnEnableHook | kOfnEnableTemplate);
    request.owner = OwnerHandle(args.Owner);
    request.initialDirectory = args.InitDir;
    request.title = args.DlgTitle;
    request.defaultExtension = args.DefaultExt;
    // The dialog service ends the list with its two NULs.
    request.filter = args.Filter;
    std::replace(request.filter.begin(), request.filter.end(), '|', '\0');
    std::replace(request.filter.begin(), request.filter.end(), ':', '\0');
    request.filterIndex = static_cast<std::uint32_t>(args.FilterIndex);
    request.fileName = args.Filename;

    const FileDialogResult result = dialogs_.OpenFile(request);
    apiReturn_ = result.chosen ? 1 : 0;
    if (result.chosen) {
        args.Filename = result.fileName;
        args.FileTitle = result.fileTitle;
        args.flags = static_cast<std::int32_t>(result.flags);
        args.FilterIndex = static_cast<std::int32_t>(result.filterIndex);
        args.Filter = NulSeparatedPart(request.filter, args.FilterIndex);
        args.ReadOnly = (result.flags & kOfnReadOnly) != 0;
        return true;
    }
    // A failure is told apart from Cancel by its code.
    extendedError_ = static_cast<std::int32_t>(result.extendedError);
    args.Filename.clear();
    args.FileTitle.clear();
    args.flags = 0;
    args.FilterIndex = -1;
    args.Filter.clear();
    return false;
}

bool cCommonDialog::VBChooseColor(std::int32_t& Color, bool AnyColor, bool FullOpen,
                                  bool DisableFullOpen, std::intptr_t Owner) {
    extendedError_ = 0;
    ColorDialogRequest request;
    request.owner = OwnerHandle(Owner);
    request.color = static_cast<std::uint32_t>(Color);
    request.customColors = Custom();
    request.flags = kCcRgbInit | (AnyColor ? kCcAnyColor : kCcSolidColor);
    if (FullOpen) request.flags |= kCcFullOpen;
    if (DisableFullOpen) request.flags |= kCcPreventFullOpen;

    const ColorDialogResult result = dialogs_.PickColor(request);
    apiReturn_ = result.chosen ? 1 : 0;
    custom_ = result.customColors;
    if (result.chosen) {
        Color = static_cast<std::int32_t>(result.color);
        return true;
    }
    extendedError_ = static_cast<std::int32_t>(result.extendedError);
    Color = -1;
    return false;
}

CustomColors& cCommonDialog::Custom() {
    if (!customFilled_) {
        for (std::int32_t i = 0; i < 16; ++i) custom_[static_cast<std::size_t>(i)] = sysColor_(i);
        customFilled_ = true;
    }
    return custom_;
}

std::int32_t cCommonDialog::CustomColor(std::int16_t i) {
    if (i < 0 || i > 15) return -1;
    return static_cast<std::int32_t>(Custom()[static_cast<std::size_t>(i)]);
}

void cCommonDialog::SetCustomColor(std::int16_t i, std::int32_t iValue) {
    if (i < 0 || i > 15) return;
    Custom()[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(iValue);
}

}  // namespace qn::meter
