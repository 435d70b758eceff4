#pragma once
// A key opened for one operation of cRegistry and closed when it ends, also
// when the operation raises an error.
#include <string>

#include "platform/registry.h"

namespace qn::meter {

// Query, set, create sub-key, enumerate, notify and create link: what the
// meter asks for when it writes.
constexpr std::uint32_t kWriteAccess = 0x3F;

class OpenedKey {
  public:
    explicit OpenedKey(Registry& registry) : registry_(registry) {}
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    ~OpenedKey() {
        if (open_) registry_.CloseKey(key_);
    }

    // RegOpenKeyExA.
    bool Open(RegKey root, const std::string& path, std::uint32_t access) {
        open_ = registry_.OpenKey(root, path, access, &key_) == kRegSuccess;
        return open_;
    }
    // RegCreateKeyExA.
    bool Create(RegKey root, const std::string& path, std::uint32_t access) {
        open_ = registry_.CreateKey(root, path, access, &key_, nullptr) == kRegSuccess;
        return open_;
    }

    RegKey Handle() const { return key_; }

  private:
    Registry& registry_;
    RegKey key_ = 0;
    bool open_ = false;
};

}  // namespace qn::meter
