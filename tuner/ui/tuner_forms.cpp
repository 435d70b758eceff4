#include "tuner/ui/tuner_forms.h"

#include "tuner/ui/main_window.h"

namespace qn {

TunerForms::TunerForms(ui::Application& app, TunerServices& services)
    : app_(app),
      services_(services),
      environment_(services.os, services.directories, services.versions),
      settings_(services.settings),
      detection_(app, services.processes, services.files, services.clock, environment_) {}

TunerForms::~TunerForms() = default;

bool TunerForms::OpenFindMtuWarning() {
    if (!findMtuWarning_) {
        findMtuWarning_ =
            std::make_unique<FindMtuWarningWindow>(app_, settings_, [this] { OpenFindMtu(); });
    }
    findMtuWarning_->Show();
    return true;
}

void TunerForms::OpenFindMtu() {
    if (!findMtu_) {
        findMtu_ = std::make_unique<FindMtuWindow>(app_, detection_, *mainWindow_,
                                                   mainWindow_->txt_mtu_custom);
    }
    findMtu_->Show();
}

}  // namespace qn
