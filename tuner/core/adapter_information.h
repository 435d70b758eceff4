#pragma once
// The adapter-information box: where an adapter keeps its MTU, as the user
// would look for it in the registry editor.
#include <string>

#include "tuner/core/adapter_discovery.h"

namespace qn {

struct AdapterInformation {
    std::string title;  // "Quillon - " + label
    std::string text;   // location line, path, blank line, list position; CR between lines
};

// listPosition counts from 1, as the user sees the list.
AdapterInformation DescribeAdapterLocation(AdapterDiscovery& discovery,
                                           const Environment& environment,
                                           const AdapterEntry& adapter, int listPosition);

}  // namespace qn
