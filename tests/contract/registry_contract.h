#pragma once
// Behaviour every Registry must show, written once and run against each
// implementation. A factory type supplies:
//   static std::unique_ptr<qn::Registry> Make();
//   static std::string UniqueName();           // scratch key name, unique per run
//   static constexpr bool kKeepsStringBytes;   // a REG_SZ reads back exactly as written
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/registry_tree.h"

namespace qn::contract {

using Bytes = std::vector<std::uint8_t>;

inline Bytes BytesOf(const char* text, std::size_t size) {
    return Bytes(text, text + size);
}

template <typename Factory>
class RegistryContract : public ::testing::Test {
  protected:
    void SetUp() override {
        registry_ = Factory::Make();
        path_ = std::string(kParent) + "\\" + Factory::UniqueName();
        registry_->DeleteTree(kHkeyCurrentUser, path_);  // left over from an aborted run
        ASSERT_EQ(kRegSuccess,
                  registry_->CreateKey(kHkeyCurrentUser, path_, kKeyAllAccess, &key_, nullptr));
    }

    void TearDown() override {
        if (key_) registry_->CloseKey(key_);
        registry_->DeleteTree(kHkeyCurrentUser, path_);
        registry_->DeleteKey(kHkeyCurrentUser, kParent);  // refused while other runs use it
    }

    void Set(const std::string& name, std::uint32_t type, const Bytes& data) {
        SetPrefix(name, type, data, data.size());
    }

    // Writes only the first size bytes of data: what lies after them is known.
    void SetPrefix(const std::string& name, std::uint32_t type, const Bytes& data,
                   std::size_t size) {
        ASSERT_EQ(kRegSuccess, registry_->SetValue(key_, name, type, data.data(),
                                                   static_cast<std::uint32_t>(size)));
    }

    // Reads with a buffer of exactly the size the registry reports.
    Bytes Read(const std::string& name, std::uint32_t* type = nullptr) {
        std::uint32_t size = 0;
        EXPECT_EQ(kRegSuccess, registry_->QueryValue(key_, name, type, nullptr, &size));
        Bytes data(size);
        EXPECT_EQ(kRegSuccess, registry_->QueryValue(key_, name, type, data.data(), &size));
        data.resize(size);
        return data;
    }

    RegKey Create(const std::string& sub_key) {
        RegKey key = 0;
        EXPECT_EQ(kRegSuccess, registry_->CreateKey(key_, sub_key, kKeyAllAccess, &key, nullptr));
        return key;
    }

    void CreateAndClose(const std::string& sub_key) { registry_->CloseKey(Create(sub_key)); }

    RegStatus Open(const std::string& sub_key, std::uint32_t access, RegKey* key) {
        return registry_->OpenKey(key_, sub_key, access, key);
    }

    bool Exists(const std::string& sub_key) {
        RegKey key = 0;
        if (Open(sub_key, kKeyRead, &key) != kRegSuccess) return false;
        registry_->CloseKey(key);
        return true;
    }

    std::vector<std::string> SubKeyNames(RegKey key) {
        std::vector<std::string> names;
        for (std::uint32_t index = 0;; ++index) {
            char name[256];
            std::uint32_t size = sizeof name;
            RegStatus status = registry_->EnumKey(key, index, name, &size);
            if (status != kRegSuccess) {
                EXPECT_EQ(kRegNoMoreItems, status);
                return names;
            }
            names.emplace_back(name, size);
        }
    }

    static constexpr char kParent[] = "Software\\QuillonTest";
    std::unique_ptr<Registry> registry_;
    std::string path_;
    RegKey key_ = 0;
};

TYPED_TEST_SUITE_P(RegistryContract);

TYPED_TEST_P(RegistryContract, StringWrittenWithoutNulReadsBackWithoutIt) {
    // A non-NUL byte follows the data, so no registry can take it for a terminator.
    this->SetPrefix("Ttl", kRegSz, BytesOf("128X", 4), 3);
    std::uint32_t type = 0;
    EXPECT_EQ(BytesOf("128", 3), this->Read("Ttl", &type));
    EXPECT_EQ(kRegSz, type);

    this->SetPrefix("Also", kRegSz, BytesOf("128\0", 4), 3);
    if (TypeParam::kKeepsStringBytes) {
        EXPECT_EQ(BytesOf("128", 3), this->Read("Also"));
    } else {
        // Wine, like NT, keeps a NUL that happens to follow the data in memory.
        Bytes read = this->Read("Also");
        EXPECT_TRUE(read == BytesOf("128", 3) || read == BytesOf("128\0", 4));
    }
}

TYPED_TEST_P(RegistryContract, StringWrittenWithNulReadsBackWithIt) {
    this->Set("Ttl", kRegSz, BytesOf("128\0", 4));
    EXPECT_EQ(BytesOf("128\0", 4), this->Read("Ttl"));
    this->Set("Empty", kRegSz, Bytes());
    EXPECT_EQ(Bytes(), this->Read("Empty"));
}

TYPED_TEST_P(RegistryContract, MissingValueOrKeyGivesFileNotFound) {
    std::uint32_t size = 0;
    EXPECT_EQ(kRegFileNotFound,
              this->registry_->QueryValue(this->key_, "None", nullptr, nullptr, &size));
    EXPECT_EQ(kRegFileNotFound,
              this->registry_->QueryValue(this->key_, "", nullptr, nullptr, &size));
    EXPECT_EQ(kRegFileNotFound, this->registry_->DeleteValue(this->key_, "None"));
    RegKey key = 0;
    EXPECT_EQ(kRegFileNotFound, this->Open("None\\Deeper", kKeyRead, &key));
    EXPECT_EQ(kRegFileNotFound, this->registry_->DeleteKey(this->key_, "None"));
    EXPECT_EQ(kRegFileNotFound, this->registry_->DeleteTree(this->key_, "None"));
}

TYPED_TEST_P(RegistryContract, ShortBufferGivesMoreDataAndTheSizeNeeded) {
    this->Set("Blob", kRegBinary, BytesOf("0123456789", 10));
    std::uint8_t buffer[4];
    std::uint32_t size = sizeof buffer;
    std::uint32_t type = 0;
    EXPECT_EQ(kRegMoreData, this->registry_->QueryValue(this->key_, "Blob", &type, buffer, &size));
    EXPECT_EQ(10u, size);
    EXPECT_EQ(kRegBinary, type);
}

TYPED_TEST_P(RegistryContract, SizeQueryWithoutBufferReportsTypeAndSize) {
    this->Set("Word", kRegDword, BytesOf("\x01\x02\x03\x04", 4));
    std::uint32_t size = 0, type = 0;
    EXPECT_EQ(kRegSuccess, this->registry_->QueryValue(this->key_, "Word", &type, nullptr, &size));
    EXPECT_EQ(4u, size);
    EXPECT_EQ(kRegDword, type);
    std::uint8_t buffer[4];
    EXPECT_EQ(kRegInvalidParameter,
              this->registry_->QueryValue(this->key_, "Word", &type, buffer, nullptr));
}

TYPED_TEST_P(RegistryContract, TypedValuesKeepTheirBytes) {
    const Bytes dword = BytesOf("\x78\x56\x34\x12", 4);
    const Bytes binary = BytesOf("\x00\xff\x10", 3);
    const Bytes multi = BytesOf("a\0bc\0\0", 6);
    const Bytes expand = BytesOf("%WINDIR%\\x\0", 11);
    this->Set("D", kRegDword, dword);
    this->Set("B", kRegBinary, binary);
    this->Set("M", kRegMultiSz, multi);
    this->Set("E", kRegExpandSz, expand);
    this->Set("", kRegSz, BytesOf("default\0", 8));
    std::uint32_t type = 0;
    EXPECT_EQ(dword, this->Read("D", &type));
    EXPECT_EQ(kRegDword, type);
    EXPECT_EQ(binary, this->Read("B", &type));
    EXPECT_EQ(kRegBinary, type);
    EXPECT_EQ(multi, this->Read("M", &type));
    EXPECT_EQ(kRegMultiSz, type);
    EXPECT_EQ(expand, this->Read("E", &type));
    EXPECT_EQ(kRegExpandSz, type);
    EXPECT_EQ(BytesOf("default\0", 8), this->Read("", &type));
    // Writing again replaces type and data.
    this->Set("D", kRegSz, BytesOf("7\0", 2));
    EXPECT_EQ(BytesOf("7\0", 2), this->Read("D", &type));
    EXPECT_EQ(kRegSz, type);
}

TYPED_TEST_P(RegistryContract, KeyEnumerationEndsWithNoMoreItems) {
    for (const char* name : {"Beta", "alpha", "Gamma"}) this->CreateAndClose(name);
    std::vector<std::string> names = this->SubKeyNames(this->key_);
    EXPECT_EQ((std::set<std::string>{"alpha", "Beta", "Gamma"}),
              std::set<std::string>(names.begin(), names.end()));
    EXPECT_EQ(3u, names.size());
}

TYPED_TEST_P(RegistryContract, KeyEnumerationNeedsRoomForTheNul) {
    this->CreateAndClose("Longer");
    char name[16];
    std::uint32_t size = 6;  // the name's length: no room for the NUL
    EXPECT_EQ(kRegMoreData, this->registry_->EnumKey(this->key_, 0, name, &size));
    size = 7;
    EXPECT_EQ(kRegSuccess, this->registry_->EnumKey(this->key_, 0, name, &size));
    EXPECT_EQ(6u, size);
    EXPECT_STREQ("Longer", name);
}

TYPED_TEST_P(RegistryContract, ValueEnumerationReportsNamesTypesAndData) {
    this->Set("Word", kRegDword, BytesOf("\x01\0\0\0", 4));
    this->Set("Text", kRegSz, BytesOf("hi\0", 3));
    std::set<std::string> names;
    std::uint32_t index = 0;
    for (;; ++index) {
        char name[32];
        std::uint8_t data[32];
        std::uint32_t name_size = sizeof name, data_size = sizeof data, type = 0;
        RegStatus status = this->registry_->EnumValue(this->key_, index, name, &name_size, &type,
                                                      data, &data_size);
        if (status == kRegNoMoreItems) break;
        ASSERT_EQ(kRegSuccess, status);
        const std::string found(name, name_size);
        names.insert(found);
        EXPECT_EQ(found == "Word" ? kRegDword : kRegSz, type) << found;
        EXPECT_EQ(found == "Word" ? 4u : 3u, data_size) << found;
    }
    EXPECT_EQ(2u, index);
    EXPECT_EQ((std::set<std::string>{"Word", "Text"}), names);
}

TYPED_TEST_P(RegistryContract, ValueEnumerationWithShortBuffersGivesMoreData) {
    this->Set("LongValueName", kRegBinary, BytesOf("123456", 6));
    char name[4];
    std::uint8_t data[32];
    std::uint32_t name_size = sizeof name, data_size = sizeof data;
    EXPECT_EQ(kRegMoreData, this->registry_->EnumValue(this->key_, 0, name, &name_size, nullptr,
                                                       data, &data_size));
    char long_name[32];
    name_size = sizeof long_name;
    data_size = 2;
    EXPECT_EQ(kRegMoreData, this->registry_->EnumValue(this->key_, 0, long_name, &name_size,
                                                       nullptr, data, &data_size));
    EXPECT_EQ(6u, data_size);
}

TYPED_TEST_P(RegistryContract, NamesIgnoreCaseAndKeepIt) {
    this->CreateAndClose("MixedCase");
    RegKey key = 0;
    ASSERT_EQ(kRegSuccess, this->Open("MIXEDCASE", kKeyRead, &key));
    this->registry_->CloseKey(key);
    bool created = true;
    ASSERT_EQ(kRegSuccess,
              this->registry_->CreateKey(this->key_, "mixedcase", kKeyAllAccess, &key, &created));
    EXPECT_FALSE(created);
    this->registry_->CloseKey(key);
    EXPECT_EQ(std::vector<std::string>{"MixedCase"}, this->SubKeyNames(this->key_));

    this->Set("Value", kRegSz, BytesOf("x\0", 2));
    EXPECT_EQ(BytesOf("x\0", 2), this->Read("VALUE"));
    EXPECT_EQ(kRegSuccess, this->registry_->DeleteValue(this->key_, "value"));
}

TYPED_TEST_P(RegistryContract, CreateReportsNewKeysAndPathRules) {
    RegKey key = 0;
    bool created = false;
    ASSERT_EQ(kRegSuccess,
              this->registry_->CreateKey(this->key_, "A\\B\\C", kKeyAllAccess, &key, &created));
    EXPECT_TRUE(created);
    this->registry_->CloseKey(key);
    EXPECT_TRUE(this->Exists("A\\B"));
    EXPECT_TRUE(this->Exists("A\\B\\C\\"));  // a trailing "\" is ignored
    EXPECT_EQ(kRegBadPathname, this->Open("\\A", kKeyRead, &key));
}

TYPED_TEST_P(RegistryContract, DeleteKeyWithSubKeysIsRefused) {
    this->CreateAndClose("Parent\\Child");
    EXPECT_EQ(kRegAccessDenied, this->registry_->DeleteKey(this->key_, "Parent"));
    EXPECT_TRUE(this->Exists("Parent\\Child"));
    EXPECT_EQ(kRegSuccess, this->registry_->DeleteKey(this->key_, "Parent\\Child"));
    EXPECT_EQ(kRegSuccess, this->registry_->DeleteKey(this->key_, "Parent"));
    EXPECT_FALSE(this->Exists("Parent"));
}

TYPED_TEST_P(RegistryContract, TreeDeleteRemovesEverythingBelow) {
    RegKey deep = this->Create("Tree\\One\\Two");
    const std::uint8_t one = 1;
    EXPECT_EQ(kRegSuccess, this->registry_->SetValue(deep, "V", kRegBinary, &one, 1));
    this->CreateAndClose("Tree\\Other");
    this->CreateAndClose("Kept");
    EXPECT_EQ(kRegSuccess, this->registry_->DeleteTree(this->key_, "Tree"));
    EXPECT_FALSE(this->Exists("Tree"));
    EXPECT_TRUE(this->Exists("Kept"));
    // A handle into the deleted tree no longer reaches any key.
    EXPECT_EQ(kRegKeyDeleted, this->registry_->SetValue(deep, "V", kRegBinary, &one, 1));
    EXPECT_EQ(kRegSuccess, this->registry_->CloseKey(deep));
}

TYPED_TEST_P(RegistryContract, TreeDeleteByHandWorksWithTheBasicOperations) {
    this->CreateAndClose("Tree\\One\\Two");
    this->CreateAndClose("Tree\\One\\Three");
    this->CreateAndClose("Tree\\Four");
    EXPECT_EQ(kRegSuccess, DeleteKeyTree(*this->registry_, this->key_, "Tree"));
    EXPECT_FALSE(this->Exists("Tree"));
    EXPECT_EQ(kRegFileNotFound, DeleteKeyTree(*this->registry_, this->key_, "Tree"));
}

TYPED_TEST_P(RegistryContract, PredefinedRootsOpen) {
    for (RegKey root : {kHkeyClassesRoot, kHkeyCurrentUser, kHkeyLocalMachine, kHkeyUsers}) {
        RegKey key = 0;
        EXPECT_EQ(kRegSuccess, this->registry_->OpenKey(root, "", kKeyRead, &key)) << root;
        EXPECT_EQ(kRegSuccess, this->registry_->CloseKey(key)) << root;
        RegKeyInfo info;
        EXPECT_EQ(kRegSuccess, this->registry_->QueryInfoKey(root, &info)) << root;
    }
    EXPECT_EQ(kRegSuccess, this->registry_->CloseKey(kHkeyCurrentUser));
    RegKey key = 0;
    ASSERT_EQ(kRegSuccess, this->registry_->OpenKey(kHkeyCurrentUser, this->path_, kKeyRead, &key));
    this->registry_->CloseKey(key);
}

TYPED_TEST_P(RegistryContract, InvalidHandleIsRejected) {
    std::uint32_t size = 0;
    EXPECT_EQ(kRegInvalidHandle, this->registry_->QueryValue(0, "x", nullptr, nullptr, &size));
    EXPECT_EQ(kRegInvalidHandle, this->registry_->CloseKey(0x1234));
    RegKey key = this->Create("Once");
    EXPECT_EQ(kRegSuccess, this->registry_->CloseKey(key));
}

TYPED_TEST_P(RegistryContract, AccessRightsAreEnforced) {
    this->Set("V", kRegSz, BytesOf("x\0", 2));
    this->CreateAndClose("Sub");
    RegKey query_only = 0, set_only = 0;
    ASSERT_EQ(kRegSuccess, this->Open("", kKeyQueryValue, &query_only));
    ASSERT_EQ(kRegSuccess, this->Open("", kKeySetValue, &set_only));
    const std::uint8_t byte = 0;
    EXPECT_EQ(kRegAccessDenied, this->registry_->SetValue(query_only, "V", kRegBinary, &byte, 1));
    EXPECT_EQ(kRegAccessDenied, this->registry_->DeleteValue(query_only, "V"));
    char name[16];
    std::uint32_t size = sizeof name;
    EXPECT_EQ(kRegAccessDenied, this->registry_->EnumKey(query_only, 0, name, &size));
    size = 0;
    EXPECT_EQ(kRegAccessDenied,
              this->registry_->QueryValue(set_only, "V", nullptr, nullptr, &size));
    EXPECT_EQ(kRegSuccess, this->registry_->QueryValue(query_only, "V", nullptr, nullptr, &size));
    this->registry_->CloseKey(query_only);
    this->registry_->CloseKey(set_only);
}

TYPED_TEST_P(RegistryContract, InfoCountsKeysAndValues) {
    this->CreateAndClose("Short");
    this->CreateAndClose("LongerName");
    this->Set("Val", kRegBinary, BytesOf("12345", 5));
    this->Set("LongestValue", kRegDword, BytesOf("1234", 4));
    RegKeyInfo info;
    ASSERT_EQ(kRegSuccess, this->registry_->QueryInfoKey(this->key_, &info));
    EXPECT_EQ(2u, info.sub_keys);
    EXPECT_EQ(10u, info.max_sub_key_length);
    EXPECT_EQ(2u, info.values);
    EXPECT_EQ(12u, info.max_value_name_length);
    // Wine counts string data in UTF-16 bytes; never less than the longest value.
    EXPECT_GE(info.max_value_data_length, 5u);
}

REGISTER_TYPED_TEST_SUITE_P(
    RegistryContract, StringWrittenWithoutNulReadsBackWithoutIt,
    StringWrittenWithNulReadsBackWithIt, MissingValueOrKeyGivesFileNotFound,
    ShortBufferGivesMoreDataAndTheSizeNeeded, SizeQueryWithoutBufferReportsTypeAndSize,
    TypedValuesKeepTheirBytes, KeyEnumerationEndsWithNoMoreItems, KeyEnumerationNeedsRoomForTheNul,
    ValueEnumerationReportsNamesTypesAndData, ValueEnumerationWithShortBuffersGivesMoreData,
    NamesIgnoreCaseAndKeepIt, CreateReportsNewKeysAndPathRules, DeleteKeyWithSubKeysIsRefused,
    TreeDeleteRemovesEverythingBelow, TreeDeleteByHandWorksWithTheBasicOperations,
    PredefinedRootsOpen, InvalidHandleIsRejected, AccessRightsAreEnforced, InfoCountsKeysAndValues);

}  // namespace qn::contract
