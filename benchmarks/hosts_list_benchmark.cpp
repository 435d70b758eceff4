// How long the hosts editor's list takes to show a full table of 30,001
// entries: a real multiple-selection list box, filled item by item through
// the form layer and hidden while it fills, as the editor shows a file it has
// read; then how long the shown list takes to paint.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "benchmarks/hosts_bench_files.h"
#include "tuner/hosts/hosts_format.h"
#include "tuner/hosts/hosts_table.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/win32/win32_host.h"

namespace {

constexpr int kFills = 3;

double MsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

class HostsListForm : public qn::ui::Form {
  public:
    explicit HostsListForm(qn::ui::Application& app) : Form(app, "HostsListBenchmark") {
        Move(-1, -1, 6000, 6000);
        List1.SetMultiSelect(true);
        List1.Move(120, 120, 5700, 5700);
    }
    qn::ui::ListBox List1{*this, "List1"};
};

// The list's part of opening the editor: the live entries in list order, an
// item selected exactly when its entry takes part in "Update All".
void FillList(qn::ui::ListBox& list, const qn::HostsTable& table) {
    list.SetVisible(false);
    list.Clear();
    for (int position = 0; position < table.EntryCount(); ++position) {
        const qn::HostsEntry& entry = table.Slot(table.SlotAtListPosition(position));
        list.AddItem(entry.name);
        list.SetSelected(position, entry.include);
    }
    list.SetVisible(true);
}

void MeasureFill(const char* label, const std::string& text, qn::ui::Application& app,
                 HostsListForm& form) {
    qn::HostsTable table;
    table.Rebuild(qn::ReadHostsEntries(text).entries);
    double bestFill = 0;
    double bestPaint = 0;
    for (int i = 0; i < kFills; ++i) {
        const auto start = std::chrono::steady_clock::now();
        FillList(form.List1, table);
        const double fill = MsSince(start);
        const auto painting = std::chrono::steady_clock::now();
        UpdateWindow(reinterpret_cast<HWND>(form.hWnd()));
        app.DoEvents();
        const double paint = MsSince(painting);
        if (i == 0 || fill < bestFill) bestFill = fill;
        if (i == 0 || paint < bestPaint) bestPaint = paint;
    }
    const HWND list = reinterpret_cast<HWND>(form.List1.hWnd());
    std::printf(
        "%-30s %6d items (%ld in the window, %ld selected): fill %.1f ms, "
        "paint %.1f ms, best of %d\n",
        label, table.EntryCount(), static_cast<long>(SendMessageA(list, LB_GETCOUNT, 0, 0)),
        static_cast<long>(SendMessageA(list, LB_GETSELCOUNT, 0, 0)), bestFill, bestPaint, kFills);
}

}  // namespace

int main() {
    InitCommonControls();
    qn::ui::win32::Win32Host host(GetModuleHandleA(nullptr), nullptr);
    qn::ui::Application app(host, "Quillon");
    HostsListForm form(app);
    form.Show();
    app.DoEvents();
    MeasureFill("managed, 30001 entries", qn::bench::ManagedHostsFile(30001), app, form);
    MeasureFill("block list, 40000 lines", qn::bench::BlockListFile(40000), app, form);
    form.Unload();
    return 0;
}
