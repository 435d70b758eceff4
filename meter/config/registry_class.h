#pragma once
// cRegistry: the meter's only way into the registry. The object names a value
// (root, section path, value name) and each operation opens what it needs and
// closes it again, so no key stays open between calls. Reads never raise: an
// unreadable value gives Default. Failures to create or open a key for writing
// raise a RaisedError numbered kRegistryErrorNumber.
#include <cstdint>
#include <string>
#include <vector>

#include "meter/config/registry_services.h"
#include "platform/registry_variant.h"

namespace qn::meter {

constexpr std::int32_t kRegistryErrorNumber = 26001;

// A program registered as the handler of a file extension.
struct ExeAssociation {
    std::string programPath;
    std::string className;
    std::string classDescription;
    std::string fileExtension;  // without the dot
    std::string openMenuText = "&Open";
    bool supportPrint = false;
    std::string printMenuText = "&Print";
    bool supportNew = false;
    std::string newMenuText = "&New";
    bool supportInstall = false;
    std::string installMenuText = "&Install ";
    std::int32_t defaultIconIndex = 0;
};

class cRegistry {
  public:
    explicit cRegistry(RegistryServices services);

    RegKey ClassKey() const { return classKey_; }
    void SetClassKey(RegKey root) { classKey_ = root; }
    const std::string& SectionKey() const { return sectionKey_; }
    void SetSectionKey(const std::string& path) { sectionKey_ = path; }
    const std::string& ValueKey() const { return valueKey_; }
    void SetValueKey(const std::string& name) { valueKey_ = name; }
    std::uint32_t ValueType() const { return valueType_; }
    void SetValueType(std::uint32_t type) { valueType_ = type; }
    const RegVariant& Default() const { return default_; }
    void SetDefault(const RegVariant& value) { default_ = value; }

    bool KeyExists() const;
    // True when the section exists or was created.
    bool CreateKey();
    // The section with everything below it.
    bool DeleteKey();
    bool DeleteValue();

    // Typed by the registry type found, which becomes ValueType: a string
    // (REG_SZ, REG_MULTI_SZ with its NUL separators, REG_EXPAND_SZ expanded), a
    // 32-bit integer (REG_DWORD, REG_DWORD_BIG_ENDIAN) or a byte array.
    RegVariant Value();
    // Text is stored as REG_EXPAND_SZ when it holds a %NAME% reference, else as
    // REG_SZ; REG_BINARY takes a byte array only (anything else raises);
    // REG_DWORD and REG_DWORD_BIG_ENDIAN take a 16- or 32-bit integer, stored
    // as REG_DWORD. Data of another kind and other types write nothing.
    void SetValue(const RegVariant& data);

    // names holds the items 1..count as elements 0..count-1. EnumerateSections
    // is False when a sub-key could not be listed before the end.
    bool EnumerateValues(std::vector<std::string>& names, std::int32_t& count);
    bool EnumerateSections(std::vector<std::string>& names, std::int32_t& count);

    // Written both for the user's view (HKEY_CLASSES_ROOT) and the machine's
    // (HKEY_LOCAL_MACHINE\SOFTWARE\Classes).
    void CreateEXEAssociation(const ExeAssociation& association);
    // Extra verbs: the list holds name, menu text and command for each.
    void CreateAdditionalEXEAssociations(const std::string& className,
                                         const std::vector<std::string>& nameTextCommand);

  private:
    std::string ExpandEnvStr(const std::string& text) const;
    static std::int32_t SwapEndian(std::int32_t value);
    void SetClassValue(const std::string& data);
    [[noreturn]] void Raise(const std::string& description) const;

    RegistryServices services_;
    RegKey classKey_ = 0;
    std::string sectionKey_;
    std::string valueKey_;
    std::uint32_t valueType_ = 0;
    RegVariant default_;
};

}  // namespace qn::meter
