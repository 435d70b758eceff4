// What one four-stage MaxMTU search costs the tuner in processor time while
// it waits on its pings: with the timed sleep between exit-code reads, and,
// for comparison, reading them back to back. Each "ping" is this program
// started again as a stand-in that takes kPingMs and writes its verdict.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/win32/win32_services.h"
#include "tuner/core/environment.h"
#include "tuner/ui/mtu_detection.h"
#include "ui/application.h"
#include "ui/win32/win32_host.h"

namespace {

constexpr int kLargestPayload = 1472;
constexpr DWORD kPingMs = 200;
constexpr const char* kStandInSwitch = "--ping-stand-in";

// The stand-in: "<exe> --ping-stand-in <size> <output file>".
int RunPingStandIn(int size, const char* outputFile) {
    Sleep(kPingMs);
    const std::string line = size <= kLargestPayload
                                 ? "Reply from 10.1.2.3: bytes=" + std::to_string(size) + "\r\n"
                                 : std::string("Packet needs to be fragmented but DF set.\r\n");
    if (std::string(outputFile).empty()) return 0;
    HANDLE file = CreateFileA(outputFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}

std::string ThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// Starts the stand-in in place of the interpreter-run ping it is asked for.
class StandInProcesses : public qn::Processes {
  public:
    std::optional<qn::ProcessHandle> Start(const std::string& commandLine,
                                           qn::WindowState state) override {
        const size_t sizeAt = commandLine.find("-l ") + 3;
        const int size = std::atoi(commandLine.c_str() + sizeAt);
        const size_t quote = commandLine.find('"');
        const std::string output =
            quote == std::string::npos
                ? ""
                : commandLine.substr(quote + 1, commandLine.size() - quote - 2);
        ++pings;
        return real_->Start("\"" + ThisProgram() + "\" " + kStandInSwitch + " " +
                                std::to_string(size) + " \"" + output + "\"",
                            state);
    }
    std::optional<std::uint32_t> ExitCode(qn::ProcessHandle process) override {
        ++exitCodeReads;
        return real_->ExitCode(process);
    }
    void Close(qn::ProcessHandle process) override { real_->Close(process); }

    int pings = 0;
    long exitCodeReads = 0;

  private:
    std::unique_ptr<qn::Processes> real_ = qn::win32::MakeWin32Processes();
};

// A host that reads exit codes back to back, as a wait without a sleep does.
class SpinningHost : public qn::ui::win32::Win32Host {
  public:
    using Win32Host::Win32Host;
    void WaitForEvent(unsigned) override {}
};

double ProcessorMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return ((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

void MeasureSearch(const char* label, qn::ui::Host& host) {
    qn::ui::Application app(host, "Quillon");
    StandInProcesses processes;
    const auto files = qn::win32::MakeWin32FileSystem();
    const auto clock = qn::win32::MakeWin32Clock();
    const auto os = qn::win32::MakeWin32OsVersion();
    const auto directories = qn::win32::MakeWin32Directories();
    const auto versions = qn::win32::MakeWin32FileVersionSource();
    const qn::Environment environment(*os, *directories, *versions);
    qn::mtudetection detection(app, processes, *files, *clock, environment);

    const DWORD startedAt = GetTickCount();
    const double processorAtStart = ProcessorMs();
    detection.WarmUp("www.google.com");
    std::int16_t result = 0;
    for (std::int16_t step : {1000, 100, 10, 1}) {
        result = detection.SearchStage(result, step, "www.google.com", [](int) {});
        if (result < 0) break;
    }
    const double processor = ProcessorMs() - processorAtStart;
    const DWORD wall = GetTickCount() - startedAt;
    detection.DeleteOutputFile();
    std::printf(
        "%-28s result %d, %d pings of %lu ms, %ld exit-code reads: %lu ms elapsed, "
        "%.0f ms processor (%.1f%% of one core)\n",
        label, result, processes.pings, kPingMs, processes.exitCodeReads, wall, processor,
        wall > 0 ? 100.0 * processor / wall : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == kStandInSwitch) {
        return RunPingStandIn(std::atoi(argv[2]), argv[3]);
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    {
        qn::ui::win32::Win32Host host(instance, nullptr);
        MeasureSearch("one search, sleeping waits:", host);
    }
    {
        SpinningHost host(instance, nullptr);
        MeasureSearch("one search, spinning waits:", host);
    }
    return 0;
}
