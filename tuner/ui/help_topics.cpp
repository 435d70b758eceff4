#include "tuner/ui/help_topics.h"

#include "ui/application.h"

namespace qn {

void ShowHelpTopics(ui::Form& owner, const FileSystem& files, Shell& shell,
                    const std::string& helpFile) {
    if (!files.FileExists(helpFile)) {
        owner.App().MsgBox("The help file \"" + helpFile + "\" was not found.", ui::vbExclamation);
        return;
    }
    shell.ShowHelp(owner.hWnd(), helpFile, kHelpFinder, 0);
}

}  // namespace qn
