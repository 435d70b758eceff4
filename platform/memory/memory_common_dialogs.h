#pragma once
#include <deque>
#include <vector>

#include "platform/common_dialogs.h"

namespace qn {

// Each dialog takes the next scripted answer; with none left the user cancels.
class MemoryCommonDialogs : public CommonDialogs {
  public:
    FileDialogResult OpenFile(const FileDialogRequest& request) override;
    FileDialogResult SaveFile(const FileDialogRequest& request) override;
    ColorDialogResult PickColor(const ColorDialogRequest& request) override;

    std::deque<FileDialogResult> fileAnswers;
    std::deque<ColorDialogResult> colorAnswers;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<ColorDialogRequest> colorRequests;

  private:
    FileDialogResult NextFileAnswer();
};

}  // namespace qn
