#pragma once
#include "platform/interface_table.h"

namespace qn {

// Rows set by the test; reads fail like GetIfTable when the buffer is short.
class MemoryInterfaceTable : public InterfaceTable {
  public:
    bool Available() const override { return available; }
    InterfaceTableRead Read(std::uint32_t bufferSize) override;

    bool available = true;
    std::vector<InterfaceRow> rows;
};

}  // namespace qn
