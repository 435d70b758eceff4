#include "benchmarks/hosts_bench_files.h"

#include <random>
#include <vector>

namespace qn::bench {

namespace {

// Distinct numbers that do not run in order, as names in real files do not.
int ScrambledNumber(int index) {
    return static_cast<int>((static_cast<long long>(index) * 7919 + 104729) % 1000003);
}

bool Chance(std::mt19937& random, int perThousand) {
    return static_cast<int>(random() % 1000) < perThousand;
}

// A name given before, or a new one from makeName.
template <typename MakeName>
std::string NextName(std::mt19937& random, std::vector<std::string>& given, int repeatPerThousand,
                     MakeName makeName) {
    if (!given.empty() && Chance(random, repeatPerThousand)) {
        return given[random() % given.size()];
    }
    given.push_back(makeName(static_cast<int>(given.size())));
    return given.back();
}

}  // namespace

std::string ManagedHostsFile(int entries, int patternsPerThousand) {
    std::mt19937 random(20240611);
    std::string text =
        "# Hosts file of this machine.\r\n"
        "#\r\n"
        "# Each entry: the address, then the name, on a line of its own.\r\n"
        "\r\n"
        "127.0.0.1       localhost\r\n";
    std::vector<std::string> given;
    for (int i = 1; i < entries; ++i) {
        const std::string name = NextName(random, given, 30, [&](int index) {
            const std::string number = std::to_string(ScrambledNumber(index));
            return Chance(random, patternsPerThousand) ? "*.cdn" + number + ".example.com"
                                                       : "host" + number + ".example.com";
        });
        const std::string address = "10." + std::to_string(random() % 256) + "." +
                                    std::to_string(random() % 256) + "." +
                                    std::to_string(1 + random() % 254);
        text += address;
        text += Chance(random, 100) ? "\t\t" : std::string(18 - address.size(), ' ');
        text += name;
        if (Chance(random, 50)) text += " #SKIP";
        text += "\r\n";
    }
    return text;
}

std::string BlockListFile(int lines) {
    std::mt19937 random(20240612);
    std::string text;
    std::vector<std::string> given;
    for (int i = 0; i < lines; ++i) {
        if (i % 97 == 0) {
            text += "# ---- ad servers, part " + std::to_string(i / 97 + 1) + " ----\n";
            continue;
        }
        text += "0.0.0.0 ";
        text += NextName(random, given, 20, [](int index) {
            return "ads" + std::to_string(ScrambledNumber(index)) + ".example";
        });
        text += '\n';
    }
    return text;
}

}  // namespace qn::bench
