#include "platform/win32/win32_registry.h"

#include <windows.h>

#include "platform/registry_tree.h"
#include "platform/win32/optional_api.h"

namespace qn::win32 {
namespace {

HKEY ToHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}
RegKey FromHkey(HKEY key) {
    return reinterpret_cast<RegKey>(key);
}

// The A functions take DWORD (unsigned long) pointers; this carries a caller's
// optional 32-bit in/out argument across, leaving it untouched when absent.
class DwordArg {
  public:
    explicit DwordArg(std::uint32_t* target) : target_(target), value_(target ? *target : 0) {}
    ~DwordArg() {
        if (target_) *target_ = static_cast<std::uint32_t>(value_);
    }
    DwordArg(const DwordArg&) = delete;
    DwordArg& operator=(const DwordArg&) = delete;
    DWORD* get() { return target_ ? &value_ : nullptr; }

  private:
    std::uint32_t* target_;
    DWORD value_;
};

}  // namespace

RegStatus Win32Registry::OpenKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                                 RegKey* result) {
    HKEY opened = nullptr;
    LONG status = RegOpenKeyExA(ToHkey(parent), sub_key.c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS) *result = FromHkey(opened);
    return status;
}

RegStatus Win32Registry::CreateKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                                   RegKey* result, bool* created) {
    HKEY opened = nullptr;
    DWORD disposition = 0;
    LONG status = RegCreateKeyExA(ToHkey(parent), sub_key.c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, access, nullptr, &opened, &disposition);
    if (status != ERROR_SUCCESS) return status;
    *result = FromHkey(opened);
    if (created) *created = disposition == REG_CREATED_NEW_KEY;
    return status;
}

RegStatus Win32Registry::CloseKey(RegKey key) {
    return RegCloseKey(ToHkey(key));
}

RegStatus Win32Registry::FlushKey(RegKey key) {
    return RegFlushKey(ToHkey(key));
}

RegStatus Win32Registry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                                    std::uint8_t* data, std::uint32_t* size) {
    DwordArg type_arg(type), size_arg(size);
    return RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, type_arg.get(), data,
                            size_arg.get());
}

RegStatus Win32Registry::SetValue(RegKey key, const std::string& name, std::uint32_t type,
                                  const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
}

RegStatus Win32Registry::DeleteValue(RegKey key, const std::string& name) {
    return RegDeleteValueA(ToHkey(key), name.c_str());
}

RegStatus Win32Registry::DeleteKey(RegKey parent, const std::string& sub_key) {
    return RegDeleteKeyA(ToHkey(parent), sub_key.c_str());
}

RegStatus Win32Registry::DeleteTree(RegKey parent, const std::string& sub_key) {
    if (auto shell_delete = Optional().SHDeleteKeyA)
        return shell_delete(ToHkey(parent), sub_key.c_str());
    return DeleteKeyTree(*this, parent, sub_key);
}

RegStatus Win32Registry::EnumKey(RegKey key, std::uint32_t index, char* name,
                                 std::uint32_t* name_size) {
    DwordArg size_arg(name_size);
    return RegEnumKeyExA(ToHkey(key), index, name, size_arg.get(), nullptr, nullptr, nullptr,
                         nullptr);
}

RegStatus Win32Registry::EnumValue(RegKey key, std::uint32_t index, char* name,
                                   std::uint32_t* name_size, std::uint32_t* type,
                                   std::uint8_t* data, std::uint32_t* data_size) {
    DwordArg name_arg(name_size), type_arg(type), data_arg(data_size);
    return RegEnumValueA(ToHkey(key), index, name, name_arg.get(), nullptr, type_arg.get(), data,
                         data_arg.get());
}

RegStatus Win32Registry::QueryInfoKey(RegKey key, RegKeyInfo* info) {
    DWORD sub_keys = 0, max_sub_key = 0, values = 0, max_value_name = 0, max_value_data = 0;
    LONG status =
        RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &sub_keys, &max_sub_key, nullptr,
                         &values, &max_value_name, &max_value_data, nullptr, nullptr);
    if (status != ERROR_SUCCESS) return status;
    info->sub_keys = sub_keys;
    info->max_sub_key_length = max_sub_key;
    info->values = values;
    info->max_value_name_length = max_value_name;
    info->max_value_data_length = max_value_data;
    return status;
}

}  // namespace qn::win32
