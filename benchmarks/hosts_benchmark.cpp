// How long the hosts editor takes to read a hosts file, remove its
// duplicates and write the file back, up to a table's 30,001 slots; and, for
// comparison, how long the old scan of every earlier entry took.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "benchmarks/hosts_bench_files.h"
#include "tests/support/superseded_by_scan.h"
#include "tuner/hosts/hosts_duplicates.h"
#include "tuner/hosts/hosts_format.h"
#include "tuner/hosts/hosts_table.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_host.h"
#include "ui/list_control.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRepetitions = 15;
// A pass over a file with patterns takes seconds.
constexpr int kPatternRepetitions = 3;
constexpr double kTargetMs = 100.0;
constexpr int kScanEntries = 10000;

double MsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct HostsRun {
    double readMs = 0;
    double dedupeMs = 0;
    double writeMs = 0;
    int entries = 0;
    int live = 0;
    double TotalMs() const { return readMs + dedupeMs + writeMs; }
};

// One pass as the editor makes it when it opens a file and Ok saves it.
HostsRun TimeOnePass(const std::string& text) {
    const qn::HostsHeader header{"http://example.com/", "1.0.1", "30001"};
    HostsRun run;
    const Clock::time_point start = Clock::now();
    const qn::HostsEntries read = qn::ReadHostsEntries(text);
    const Clock::time_point readDone = Clock::now();
    qn::HostsTable table;
    table.Rebuild(read.entries);
    const Clock::time_point dedupeDone = Clock::now();
    const std::string written = qn::HostsFileText(table, header);
    const Clock::time_point writeDone = Clock::now();
    run.readMs = MsBetween(start, readDone);
    run.dedupeMs = MsBetween(readDone, dedupeDone);
    run.writeMs = MsBetween(dedupeDone, writeDone);
    run.entries = table.SlotsInUse();
    run.live = table.EntryCount();
    return run;
}

HostsRun BestOf(const std::string& text, int repetitions = kRepetitions) {
    HostsRun best = TimeOnePass(text);
    for (int i = 1; i < repetitions; ++i) {
        const HostsRun run = TimeOnePass(text);
        if (run.TotalMs() < best.TotalMs()) best = run;
    }
    return best;
}

void PrintRun(const char* label, const HostsRun& run) {
    std::printf("%-40s %6d %6d %8.2f %9.2f %8.2f %9.2f %11.2f\n", label, run.entries, run.live,
                run.readMs, run.dedupeMs, run.writeMs, run.TotalMs(),
                run.TotalMs() * 10000.0 / run.entries);
}

double TimeMs(const std::function<void()>& work) {
    const Clock::time_point start = Clock::now();
    work();
    return MsBetween(start, Clock::now());
}

// The old removal of duplicates against the one the table uses, on the same
// entries; the old one grows with the square of the entries.
void CompareWithTheScan() {
    const std::vector<qn::HostsEntry> entries =
        qn::ReadHostsEntries(qn::bench::ManagedHostsFile(kScanEntries)).entries;
    std::vector<bool> byScan;
    std::vector<bool> hashed;
    const double scanMs = TimeMs([&] { byScan = qn::SupersededByScan(entries); });
    double hashedMs = TimeMs([&] { hashed = qn::SupersededEntries(entries); });
    for (int i = 1; i < kRepetitions; ++i) {
        hashedMs = std::min(hashedMs, TimeMs([&] { hashed = qn::SupersededEntries(entries); }));
    }
    const double growth = (30001.0 / kScanEntries) * (30001.0 / kScanEntries);
    std::printf(
        "duplicates among %d entries: scan of every earlier entry %.0f ms, hashed %.2f ms "
        "(%.0f times faster)%s\n",
        kScanEntries, scanMs, hashedMs, scanMs / hashedMs,
        byScan == hashed ? "" : "  ** THE TWO DISAGREE **");
    std::printf("the scan at 30,001 entries, by n^2: about %.0f ms\n", scanMs * growth);
}

// What "Update All" does to the table and the list when many entries no
// longer resolve: every other one of 30,001 is removed, each removal moving
// the later entries up the list.
void MeasureUpdateAllRemovals() {
    qn::HostsTable table;
    table.Rebuild(qn::ReadHostsEntries(qn::bench::ManagedHostsFile(30001)).entries);
    qn::ui::headless::HeadlessHost host;
    qn::ui::Application app(host, "Quillon");
    qn::ui::Form form(app, "hosts");
    qn::ui::ListBox list(form, "List1");
    list.SetMultiSelect(true);
    for (int position = 0; position < table.EntryCount(); ++position) {
        list.AddItem(table.Slot(table.SlotAtListPosition(position)).name);
    }
    int removed = 0;
    const double ms = TimeMs([&] {
        for (int position = 0; position < list.ListCount(); ++position) {
            list.SetListIndex(position);
            const int slot = table.SlotAtListPosition(position);
            if (slot % 2 != 0) continue;
            table.Remove(slot);
            list.RemoveItem(position);
            list.SetListIndex(position - 1);
            --position;
            ++removed;
        }
    });
    std::printf("update all over %d entries removing %d: %.0f ms of table and list work\n", 30001,
                removed, ms);
}

}  // namespace

int main(int argc, char** argv) {
    // Each figure shows as soon as it is measured, also through a pipe.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("read + remove duplicates + write, best of %d (ms)\n", kRepetitions);
    std::printf("%-40s %6s %6s %8s %9s %8s %9s %11s\n", "file", "slots", "live", "read", "dedupe",
                "write", "total", "per 10k");
    HostsRun largest;
    for (int entries : {10000, 20000, 30001}) {
        const HostsRun run = BestOf(qn::bench::ManagedHostsFile(entries));
        const std::string label = "managed, CR LF, " + std::to_string(entries) + " entries";
        PrintRun(label.c_str(), run);
        largest = run;
    }
    PrintRun("block list, LF, 40000 lines", BestOf(qn::bench::BlockListFile(40000)));
    PrintRun("managed, 30001, 1% patterns, best of 3",
             BestOf(qn::bench::ManagedHostsFile(30001, 10), kPatternRepetitions));
    // The target is the native build's; under Wine the line is for comparison.
    std::printf("target, 30,001 entries under %.0f ms natively: %s here (%.2f ms)\n", kTargetMs,
                largest.TotalMs() < kTargetMs ? "met" : "NOT met", largest.TotalMs());
    MeasureUpdateAllRemovals();
    // The scan takes half a minute; "--without-scan" leaves it out.
    if (argc < 2 || std::string(argv[1]) != "--without-scan") CompareWithTheScan();
    return 0;
}
