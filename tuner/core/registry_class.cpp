#include "tuner/core/registry_class.h"

#include <algorithm>

#include "support/trim.h"
#include "tuner/core/registry_messages.h"
#include "tuner/core/registry_value_data.h"

namespace qn {
namespace {

constexpr std::uint32_t kEnumNameBufferSize = 2000;

bool IsHandledType(std::uint32_t type) {
    return type >= kRegSz && type <= kRegMultiSz;
}

std::int32_t LittleEndianLong(const std::uint8_t* bytes) {
    const std::uint32_t bits = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                               (static_cast<std::uint32_t>(bytes[3]) << 24);
    return static_cast<std::int32_t>(bits);
}

// How one of the three queries answers for a value that is not there: with
// Empty and, when asked, the message; or with a stand-in and no message.
enum class Missing { Reported, Empty, One, ErrorText };

struct MissingRule {
    Missing string = Missing::Reported;
    Missing dword = Missing::Reported;
};

RegVariant StandIn(Missing missing) {
    switch (missing) {
        case Missing::One:
            return std::int16_t{1};
        case Missing::ErrorText:
            return std::string("Error");
        default:
            return {};
    }
}

void ShowError(const RegistryContext& context, RegStatus code, int showErr) {
    if (showErr != 0) ShowRegistryError(context.boxes, code);
}

void ShowArgumentError(const RegistryContext& context, const char* text, int icon, int showErr) {
    if (showErr != 0) context.boxes.MsgBox(text, icon, kRegistryClassErrorTitle);
}

// The handle given, or the held one when none is given (0 counts as none).
RegKey TargetKey(std::optional<RegKey> given, RegKey held) {
    return given.value_or(0) != 0 ? *given : held;
}

// One RegQueryValueExA. The caller's type becomes the stored type when the
// value is there and stays as it was when not: Windows NT zeroes it on a miss,
// which would turn a caller's next query with the same variable into Empty.
RegStatus QueryValue(const RegistryContext& context, RegKey key, const std::string& name,
                     std::uint32_t& type, std::uint8_t* data, std::uint32_t& size) {
    std::uint32_t stored = type;
    const RegStatus status = context.registry.QueryValue(key, name, &stored, data, &size);
    if (status == kRegSuccess || status == kRegMoreData) type = stored;
    return status;
}

RegVariant QueryText(const RegistryContext& context, RegKey key, const std::string& name,
                     std::uint32_t& type, int showErr, const MissingRule& rule) {
    std::uint32_t size = 0;
    RegStatus status = QueryValue(context, key, name, type, nullptr, size);
    if (status != kRegSuccess && status != kRegMoreData) {
        if (rule.string != Missing::Reported) return StandIn(rule.string);
        ShowError(context, status, showErr);
        return {};
    }
    std::string buffer(size, '\0');
    status =
        QueryValue(context, key, name, type, reinterpret_cast<std::uint8_t*>(&buffer[0]), size);
    if (status != kRegSuccess) {
        ShowError(context, status, showErr);
        return {};
    }
    buffer.resize(std::min<std::size_t>(size, buffer.size()));
    if (type == kRegMultiSz) return SplitMultiString(buffer);
    return buffer;
}

RegVariant QueryBinary(const RegistryContext& context, RegKey key, const std::string& name,
                       std::uint32_t& type, int showErr) {
    std::vector<std::uint8_t> bytes(1);
    std::uint32_t size = 1;
    RegStatus status = QueryValue(context, key, name, type, bytes.data(), size);
    if (status != kRegSuccess && status != kRegMoreData) {
        ShowError(context, status, showErr);
        return {};
    }
    // A value of no bytes is an empty array, not a failure.
    bytes.assign(size, 0);
    if (size == 0) return bytes;
    status = QueryValue(context, key, name, type, bytes.data(), size);
    if (status != kRegSuccess) {
        ShowError(context, status, showErr);
        return {};
    }
    bytes.resize(std::min<std::size_t>(size, bytes.size()));
    return bytes;
}

RegVariant QueryDword(const RegistryContext& context, RegKey key, const std::string& name,
                      std::uint32_t& type, int showErr, const MissingRule& rule) {
    std::uint8_t bytes[4] = {0, 0, 0, 0};
    std::uint32_t size = sizeof bytes;
    const RegStatus status = QueryValue(context, key, name, type, bytes, size);
    if (status != kRegSuccess) {
        if (rule.dword != Missing::Reported) return StandIn(rule.dword);
        ShowError(context, status, showErr);
        return {};
    }
    return LittleEndianLong(bytes);
}

RegVariant Query(const RegistryContext& context, RegKey key, const std::string& name,
                 std::uint32_t& type, int showErr, const MissingRule& rule) {
    if (TrimSpaces(name).empty() || !IsHandledType(type)) return {};
    switch (type) {
        case kRegSz:
        case kRegExpandSz:
        case kRegMultiSz:
            return QueryText(context, key, name, type, showErr, rule);
        case kRegBinary:
            return QueryBinary(context, key, name, type, showErr);
        case kRegDword:
            return QueryDword(context, key, name, type, showErr, rule);
        default:
            return {};
    }
}

}  // namespace

CRegistry::CRegistry(RegistryContext context) : context_(context) {}

CRegistry::~CRegistry() {
    if (key_ != 0) CloseKey();
}

bool CRegistry::OpenKey(RegKey root, const std::string& subKey, std::optional<std::uint32_t> access,
                        int showErr) {
    if (key_ != 0 && !CloseKey(showErr)) return false;
    if (root == 0) {
        ShowArgumentError(context_, "Cannot open key.  No root key handle was specified.",
                          ui::vbExclamation, showErr);
        return false;
    }
    if (TrimSpaces(subKey).empty()) {
        ShowArgumentError(context_, "Cannot open key.  No subkey name was specified.",
                          ui::vbExclamation, showErr);
        return false;
    }
    RegKey opened = 0;
    const RegStatus status =
        context_.registry.OpenKey(root, subKey, access.value_or(kMaximumAllowed), &opened);
    if (status != kRegSuccess) {
        ShowError(context_, status, showErr);
        return false;
    }
    key_ = opened;
    return true;
}

bool CRegistry::CloseKey(int showErr) {
    if (key_ == 0) return false;
    const RegStatus status = context_.registry.CloseKey(key_);
    if (status != kRegSuccess) {
        ShowError(context_, status, showErr);
        return false;
    }
    key_ = 0;
    return true;
}

RegVariant CRegistry::QueryKey(const std::string& name, std::uint32_t& type, int showErr) {
    return Query(context_, key_, name, type, showErr, MissingRule{});
}

RegVariant CRegistry::QueryKey2(const std::string& name, std::uint32_t& type, int missingAsOne) {
    const Missing missing = missingAsOne != 0 ? Missing::One : Missing::Empty;
    return Query(context_, key_, name, type, missingAsOne, MissingRule{missing, missing});
}

RegVariant CRegistry::QueryKey3(const std::string& name, std::uint32_t& type, int showErr) {
    return Query(context_, key_, name, type, showErr,
                 MissingRule{Missing::ErrorText, Missing::Reported});
}

bool CRegistry::SaveKey(const std::string& name, const RegVariant& value, std::uint32_t& type,
                        int showErr) {
    if (!IsHandledType(type) || type == kRegDwordBigEndian || type == kRegLink) return true;
    const std::optional<std::string> data = RegistryValueData(value, type);
    if (!data) {
        // A value that does not convert to the type is refused, not half written.
        ShowError(context_, kRegInvalidParameter, showErr);
        return false;
    }
    const RegStatus status = context_.registry.SetValue(
        key_, name, type, reinterpret_cast<const std::uint8_t*>(data->data()),
        static_cast<std::uint32_t>(data->size()));
    if (status != kRegSuccess) {
        ShowError(context_, status, showErr);
        return false;
    }
    return true;
}

bool CRegistry::DeleteValue(const std::string& name, std::optional<RegKey> key, int showErr) {
    const RegKey target = TargetKey(key, key_);
    if (target == 0) {
        ShowArgumentError(
            context_,
            "Required parameter (hKey) is missing.  Cannot delete specified registry value.",
            ui::vbInformation, showErr);
        return false;
    }
    const RegStatus status = context_.registry.DeleteValue(target, name);
    if (status != kRegSuccess) {
        ShowError(context_, status, showErr);
        return false;
    }
    return true;
}

bool CRegistry::CreateKey(const std::string& subKey, std::optional<RegKey> parent,
                          std::optional<std::uint32_t> access, int showErr) {
    const RegKey target = TargetKey(parent, key_);
    if (target == 0) {
        ShowArgumentError(
            context_,
            "Required parameter (hKey) is missing.  Cannot create specified registry SubKey.",
            ui::vbInformation, showErr);
        return false;
    }
    RegKey created = 0;
    const RegStatus status = context_.registry.CreateKey(
        target, subKey, access.value_or(kMaximumAllowed), &created, nullptr);
    if (status != kRegSuccess) {
        ShowError(context_, status, showErr);
        return false;
    }
    key_ = created;
    return true;
}

bool CRegistry::DeleteKey(const std::string& subKey, std::optional<RegKey> parent, int showErr) {
    const RegKey target = TargetKey(parent, key_);
    if (target == 0) {
        ShowArgumentError(
            context_,
            "Required parameter (hKey) is missing.  Cannot delete specified registry SubKey.",
            ui::vbInformation, showErr);
        return false;
    }
    const RegStatus status = context_.registry.DeleteKey(target, subKey);
    if (status != kRegSuccess) {
        ShowError(context_, status, showErr);
        return false;
    }
    return true;
}

void CRegistry::FlushKey() {
    if (key_ != 0) context_.registry.FlushKey(key_);
}

std::string CRegistry::EnumKey(std::int32_t index) {
    std::string name(kEnumNameBufferSize, '\0');
    std::uint32_t size = kEnumNameBufferSize;
    const RegStatus status =
        context_.registry.EnumKey(key_, static_cast<std::uint32_t>(index), &name[0], &size);
    if (status != kRegSuccess) return "ERROR";
    const std::size_t nul = name.find('\0');
    return nul == std::string::npos ? name : name.substr(0, nul + 1);
}

}  // namespace qn
