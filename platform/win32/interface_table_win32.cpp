#include <windows.h>
// Types only: GetIfTable itself is looked up at run time.
#include <iprtrmib.h>

#include <cstddef>
#include <vector>

#include "platform/win32/optional_api.h"
#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

static_assert(sizeof(MIB_IFROW) == kIfRowSize, "the published row layout");
static_assert(offsetof(MIB_IFROW, dwInOctets) == 552 && offsetof(MIB_IFROW, dwOutOctets) == 576 &&
                  offsetof(MIB_IFROW, dwDescrLen) == 600 && offsetof(MIB_IFROW, bDescr) == 604,
              "the offsets the portable parser reads");

class Win32InterfaceTable : public InterfaceTable {
  public:
    bool Available() const override { return Optional().GetIfTable != nullptr; }

    InterfaceTableRead Read(std::uint32_t bufferSize) override {
        InterfaceTableRead read;
        if (!Available()) {
            read.error = kInterfaceTableUnavailable;
            return read;
        }
        // A zeroed buffer: a failed call then reads as an empty table.
        std::vector<unsigned char> buffer(bufferSize == 0 ? 1 : bufferSize, 0);
        ULONG size = bufferSize;
        read.error = Optional().GetIfTable(buffer.data(), &size, FALSE);
        if (read.error == kInsufficientBuffer) {
            read.requiredSize = size;
        } else if (read.error == NO_ERROR) {
            read.rows = ParseInterfaceTable(buffer.data(), bufferSize);
        }
        return read;
    }
};

}  // namespace

std::unique_ptr<InterfaceTable> MakeWin32InterfaceTable() {
    return std::make_unique<Win32InterfaceTable>();
}

}  // namespace qn::win32
