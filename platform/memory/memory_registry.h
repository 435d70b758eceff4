#pragma once
// A registry held in memory, for tests. It behaves as the Windows registry does
// through the A functions, with one deliberate choice: a value keeps exactly
// the bytes written, as on Windows 9x (a REG_SZ written without its NUL reads
// back without it). Sub-keys and values enumerate sorted by name, ignoring
// case. Handles stay valid until closed; one whose key was deleted meanwhile
// gives kRegKeyDeleted. Access rights given at open are enforced for reading,
// writing and enumerating.
#include <cstddef>
#include <map>
#include <memory>

#include "platform/registry.h"

namespace qn {

class MemoryRegistry : public Registry {
  public:
    MemoryRegistry();
    ~MemoryRegistry() override;
    MemoryRegistry(const MemoryRegistry&) = delete;
    MemoryRegistry& operator=(const MemoryRegistry&) = delete;

    RegStatus OpenKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                      RegKey* result) override;
    RegStatus CreateKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                        RegKey* result, bool* created) override;
    RegStatus CloseKey(RegKey key) override;
    RegStatus FlushKey(RegKey key) override;
    RegStatus QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                         std::uint8_t* data, std::uint32_t* size) override;
    RegStatus SetValue(RegKey key, const std::string& name, std::uint32_t type,
                       const std::uint8_t* data, std::uint32_t size) override;
    RegStatus DeleteValue(RegKey key, const std::string& name) override;
    // An empty sub_key is refused with kRegInvalidParameter.
    RegStatus DeleteKey(RegKey parent, const std::string& sub_key) override;
    RegStatus DeleteTree(RegKey parent, const std::string& sub_key) override;
    RegStatus EnumKey(RegKey key, std::uint32_t index, char* name,
                      std::uint32_t* name_size) override;
    RegStatus EnumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t* name_size,
                        std::uint32_t* type, std::uint8_t* data, std::uint32_t* data_size) override;
    RegStatus QueryInfoKey(RegKey key, RegKeyInfo* info) override;

    // Handles opened or created and not yet closed: lets tests find leaks.
    std::size_t OpenHandleCount() const { return handles_.size(); }

  private:
    struct Node;
    using NodePtr = std::shared_ptr<Node>;
    struct Handle {
        NodePtr node;
        std::uint32_t access;
    };

    RegStatus Resolve(RegKey key, std::uint32_t needed_access, NodePtr* node) const;
    RegKey AddHandle(NodePtr node, std::uint32_t access);

    std::map<RegKey, NodePtr> roots_;
    std::map<RegKey, Handle> handles_;
    RegKey next_handle_ = 0x100;
};

}  // namespace qn
