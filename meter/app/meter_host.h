#pragma once
// What the meter window needs of the program's hidden main window: the graph
// it shows, the settings, the log, and the commands its mouse buttons give.
#include "meter/app/meter_settings.h"
#include "throughput/graph.h"
#include "throughput/logging.h"

namespace qn::meter {

class MeterHost {
  public:
    virtual ~MeterHost() = default;
    virtual cGraph& NetGraph() = 0;
    virtual MeterSettings& Settings() = 0;
    virtual mLogging& Log() = 0;
    // The meter window is open (set while it loads, cleared as it unloads).
    virtual void SetMeterVisible(bool visible) = 0;
    // Whether the program shows in the task list (Alt+Tab).
    virtual void SetTaskVisible(bool visible) = 0;
    // The right button on the graph: the tray menu, at the cursor.
    virtual void ShowMainMenu() = 0;
    // The middle button on the graph.
    virtual void ShowStatistics() = 0;
};

}  // namespace qn::meter
