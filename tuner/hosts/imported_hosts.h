#pragma once
// The host names an import has collected, in the order found, up to the
// number of entries the hosts editor holds.
#include <string>
#include <vector>

#include "tuner/hosts/hosts_table.h"

namespace qn {

class ImportedHosts {
  public:
    static constexpr int kLimit = HostsTable::kSlots;

    int Count() const { return static_cast<int>(names_.size()); }
    bool Full() const { return Count() >= kLimit; }
    const std::string& Name(int index) const { return names_.at(static_cast<size_t>(index)); }
    const std::vector<std::string>& Names() const { return names_; }
    // An empty name is kept too (it is counted and passed over later); once
    // the list is full, further names are dropped.
    void Add(std::string name) {
        if (!Full()) names_.push_back(std::move(name));
    }
    void Clear() { names_.clear(); }

  private:
    std::vector<std::string> names_;
};

}  // namespace qn
