#include "tuner/core/settings_loading.h"

#include <cmath>

namespace qn {

namespace {

constexpr int kIpAndTcpHeaders = 40;
constexpr const char* kLineBreak = "\r\n";

}  // namespace

std::int16_t ChooseRwinCalc(int stored, int adapterCount) {
    if (stored < 1 || stored > adapterCount) return 1;
    return static_cast<std::int16_t>(stored);
}

double RwinMultiplierFor(const TcpipSettings& settings) {
    if (settings.AdapterCount < 1) return 1.0;
    const int index = ChooseRwinCalc(settings.RwinCalc, settings.AdapterCount);
    const int mss = settings.Adapters[index].Mtu - kIpAndTcpHeaders;
    if (mss <= 0) return 1.0;
    const double quotient = static_cast<double>(settings.Rwin) / mss;
    return quotient == std::floor(quotient) ? quotient : 1.0;
}

std::vector<int> ListedAdapters(const TcpipSettings& settings) {
    std::vector<int> listed;
    for (int index = 1; index <= settings.AdapterCount; ++index) {
        if (!settings.Adapters[index].Invalid) listed.push_back(index);
    }
    return listed;
}

std::string InvalidAdaptersText(const TcpipSettings& settings) {
    if (settings.AdapterCount < 1) return "";
    std::string text = std::string("Invalid Adapters:") + kLineBreak;
    for (int index = 1; index <= settings.AdapterCount; ++index) {
        const AdapterEntry& adapter = settings.Adapters[index];
        if (adapter.Invalid) text += " * " + adapter.Label + kLineBreak;
    }
    return text;
}

}  // namespace qn
