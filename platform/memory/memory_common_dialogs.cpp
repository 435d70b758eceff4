#include "platform/memory/memory_common_dialogs.h"

namespace qn {

FileDialogResult MemoryCommonDialogs::NextFileAnswer() {
    if (fileAnswers.empty()) return FileDialogResult{};
    FileDialogResult answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

FileDialogResult MemoryCommonDialogs::OpenFile(const FileDialogRequest& request) {
    openRequests.push_back(request);
    return NextFileAnswer();
}

FileDialogResult MemoryCommonDialogs::SaveFile(const FileDialogRequest& request) {
    saveRequests.push_back(request);
    return NextFileAnswer();
}

ColorDialogResult MemoryCommonDialogs::PickColor(const ColorDialogRequest& request) {
    colorRequests.push_back(request);
    if (colorAnswers.empty()) {
        ColorDialogResult cancelled;
        cancelled.color = request.color;
        cancelled.customColors = request.customColors;
        return cancelled;
    }
    ColorDialogResult answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

}  // namespace qn
