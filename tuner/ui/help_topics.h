#pragma once
// The tuner's help file at its topics window.
#include <string>

#include "platform/file_system.h"
#include "platform/shell.h"
#include "ui/form.h"

namespace qn {

// WinHelp waits on its own "cannot find" box for a missing file, which would
// leave the tuner blocked behind a window the user did not ask for: a
// missing file is said here instead.
void ShowHelpTopics(ui::Form& owner, const FileSystem& files, Shell& shell,
                    const std::string& helpFile);

}  // namespace qn
