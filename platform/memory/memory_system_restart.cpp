#include "platform/memory/memory_system_restart.h"

#include <cstdio>
#include <cstring>

namespace qn {

namespace {

std::string HexText(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof(text), "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string RecordText(const TokenPrivilegeRecord& record) {
    return "{" + std::to_string(record.privilegeCount) + ", {" +
           std::to_string(record.luid.lowPart) + ", " + std::to_string(record.luid.highPart) +
           "}, " + std::to_string(record.attributes) + "}";
}

}  // namespace

std::size_t MemorySystemRestart::CallsTo(const std::string& function) const {
    std::size_t count = 0;
    for (const auto& call : calls) {
        if (call.compare(0, function.size() + 1, function + "(") == 0) ++count;
    }
    return count;
}

bool MemorySystemRestart::Fails(RestartStep step) {
    const auto failure = failures_.find(step);
    if (failure == failures_.end()) return false;
    lastError_ = failure->second;
    return true;
}

bool MemorySystemRestart::SetError(std::uint32_t code) {
    lastError_ = code;
    return false;
}

std::string MemorySystemRestart::HandleText(SystemHandle handle) const {
    if (handle == kProcess) return "process";
    if (issuedTokens_.count(handle) != 0) return "token";
    return HexText(handle);
}

bool MemorySystemRestart::LookupPrivilegeValueA(const char* systemName, const char* name,
                                                Luid& luid) {
    calls.push_back(std::string("LookupPrivilegeValueA(") + (systemName ? systemName : "NULL") +
                    ", " + name + ")");
    if (Fails(RestartStep::LookupPrivilegeValue)) return false;
    if (std::strcmp(name, "SeShutdownPrivilege") != 0) return SetError(kErrorNoSuchPrivilege);
    luid = kShutdownPrivilege;
    return true;
}

SystemHandle MemorySystemRestart::GetCurrentProcess() {
    calls.push_back("GetCurrentProcess()");
    return Fails(RestartStep::GetCurrentProcess) ? 0 : kProcess;
}

bool MemorySystemRestart::OpenProcessToken(SystemHandle process, std::uint32_t desiredAccess,
                                           SystemHandle& token) {
    calls.push_back("OpenProcessToken(" + HandleText(process) + ", " + HexText(desiredAccess) +
                    ")");
    if (Fails(RestartStep::OpenProcessToken)) return false;
    if (process != kProcess) return SetError(kErrorInvalidHandle);
    token = nextToken_++;
    issuedTokens_.insert(token);
    openTokens_.insert(token);
    return true;
}

bool MemorySystemRestart::AdjustTokenPrivileges(SystemHandle token, bool disableAllPrivileges,
                                                const TokenPrivilegeRecord& newState,
                                                std::uint32_t bufferLength,
                                                TokenPrivilegeRecord& previousState,
                                                std::uint32_t& returnLength) {
    calls.push_back("AdjustTokenPrivileges(" + HandleText(token) + ", " +
                    (disableAllPrivileges ? "TRUE" : "FALSE") + ", " + RecordText(newState) + ", " +
                    std::to_string(bufferLength) + ")");
    if (Fails(RestartStep::AdjustTokenPrivileges)) return false;
    if (openTokens_.count(token) == 0) return SetError(kErrorInvalidHandle);
    if (bufferLength < kTokenPrivilegeRecordSize) return SetError(kErrorInsufficientBuffer);
    previousState = {1, newState.luid, 0};  // the privilege was disabled before
    returnLength = kTokenPrivilegeRecordSize;
    return true;
}

bool MemorySystemRestart::CloseHandle(SystemHandle handle) {
    calls.push_back("CloseHandle(" + HandleText(handle) + ")");
    if (Fails(RestartStep::CloseHandle)) return false;
    if (openTokens_.erase(handle) == 0) return SetError(kErrorInvalidHandle);
    return true;
}

bool MemorySystemRestart::ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) {
    calls.push_back("ExitWindowsEx(" + std::to_string(flags) + ", " + HexText(reserved) + ")");
    return !Fails(RestartStep::ExitWindowsEx);
}

std::uint32_t MemorySystemRestart::GetLastError() {
    calls.push_back("GetLastError()");
    return lastError_;
}

std::uint32_t MemorySystemRestart::FormatMessageA(std::uint32_t flags, std::uint32_t messageId,
                                                  std::uint32_t languageId, char* buffer,
                                                  std::uint32_t size) {
    calls.push_back("FormatMessageA(" + HexText(flags) + ", " + std::to_string(messageId) + ", " +
                    std::to_string(languageId) + ", " + std::to_string(size) + ")");
    const auto text = systemTexts.find(messageId);
    if (text == systemTexts.end()) {
        SetError(kErrorMessageNotFound);
        return 0;
    }
    if (text->second.size() >= size) {
        SetError(kErrorInsufficientBuffer);
        return 0;
    }
    std::memcpy(buffer, text->second.c_str(), text->second.size() + 1);
    return static_cast<std::uint32_t>(text->second.size());
}

}  // namespace qn
