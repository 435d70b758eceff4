#include <windows.h>

// Prints what the file-version reader finds in each file named on the command
// line, one "QNV|<argument number>|<member>|<value>" line per member, so that a
// script can compare it with another reader. Bytes below 0x20, 0x7F and above,
// and "\" and "|" are written as \xNN.
#include <cstdio>
#include <memory>
#include <string>

#include "platform/win32/win32_services.h"
#include "tuner/core/file_version_info.h"

namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '\\' || c == '|') {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

void Print(int index, const char* member, const std::string& value) {
    std::printf("QNV|%d|%s|%s\n", index, member, Escaped(value).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const auto source = qn::win32::MakeWin32FileVersionSource();
    using Getter = const std::string& (qn::CFileVersionInfo::*)() const;
    const std::pair<const char*, Getter> members[] = {
        {"FullPathName", &qn::CFileVersionInfo::FullPathName},
        {"FileFlags", &qn::CFileVersionInfo::FileFlags},
        {"FileOS", &qn::CFileVersionInfo::FileOS},
        {"FileType", &qn::CFileVersionInfo::FileType},
        {"FileSubType", &qn::CFileVersionInfo::FileSubType},
        {"VerFile", &qn::CFileVersionInfo::VerFile},
        {"VerProduct", &qn::CFileVersionInfo::VerProduct},
        {"VerStructure", &qn::CFileVersionInfo::VerStructure},
        {"CompanyName", &qn::CFileVersionInfo::CompanyName},
        {"FileDescription", &qn::CFileVersionInfo::FileDescription},
        {"FileVersion", &qn::CFileVersionInfo::FileVersion},
        {"InternalName", &qn::CFileVersionInfo::InternalName},
        {"Language", &qn::CFileVersionInfo::Language},
        {"LegalCopyright", &qn::CFileVersionInfo::LegalCopyright},
        {"LegalTrademarks", &qn::CFileVersionInfo::LegalTrademarks},
        {"OriginalFilename", &qn::CFileVersionInfo::OriginalFilename},
        {"ProductName", &qn::CFileVersionInfo::ProductName},
        {"ProductVersion", &qn::CFileVersionInfo::ProductVersion}};
    for (int i = 1; i < argc; ++i) {
        // A fresh reader per file: nothing carries over from the one before.
        qn::CFileVersionInfo info(*source);
        info.SetFullPathName(argv[i]);
        Print(i, "Available", info.Available() ? "True" : "False");
        for (const auto& [name, getter] : members) Print(i, name, (info.*getter)());
    }
    std::fflush(stdout);
    return 0;
}
