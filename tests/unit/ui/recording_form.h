#pragma once
// A form for tests that records its life-cycle handlers and can be told to
// cancel them.
#include <functional>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"

namespace qn::ui::testing {

class RecordingForm : public Form {
  public:
    RecordingForm(Application& app, std::string name, std::vector<std::string>& log)
        : Form(app, name), log_(log) {}

    bool cancelQueryUnload = false;
    bool cancelUnload = false;
    std::vector<int> unloadModes;
    std::function<void()> onLoad;
    std::function<void()> onQueryUnload;

  protected:
    void Form_Load() override {
        log_.push_back(Name() + "_Load");
        if (onLoad) onLoad();
    }
    void Form_QueryUnload(bool& cancel, int unloadMode) override {
        log_.push_back(Name() + "_QueryUnload");
        unloadModes.push_back(unloadMode);
        if (onQueryUnload) onQueryUnload();
        cancel = cancelQueryUnload;
    }
    void Form_Unload(bool& cancel) override {
        log_.push_back(Name() + "_Unload");
        cancel = cancelUnload;
    }

  private:
    std::vector<std::string>& log_;
};

}  // namespace qn::ui::testing
