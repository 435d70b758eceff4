#include "tests/e2e/driver/menus.h"

#include <tlhelp32.h>

#include <cstddef>
#include <sstream>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/menu_text.h"
#include "tests/e2e/driver/window_finder.h"

namespace qn::e2e {

namespace {

constexpr DWORD kRemoteCallTimeoutMs = 5000;
constexpr uint32_t kTextCapacity = 64 * 1024;

std::vector<MenuEntry> ParseMenuText(const std::string& text) {
    std::vector<MenuEntry> root;
    // The open entries of each depth: a new line at depth d goes into the
    // items of the last entry at depth d - 1.
    std::vector<std::vector<MenuEntry>*> levels{&root};
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        size_t depth = 0;
        MenuEntry entry;
        int popup = 0;
        fields >> depth >> entry.type >> entry.state >> entry.id >> popup;
        if (!fields || depth >= levels.size()) return {};
        fields.get();  // the tab before the caption
        std::getline(fields, entry.caption);
        entry.popup = popup != 0;
        levels.resize(depth + 1);
        levels[depth]->push_back(entry);
        levels.push_back(&levels[depth]->back().items);
    }
    return root;
}

// Where module (by file name) is loaded in process pid; nullptr if it is not.
BYTE* RemoteModuleBase(DWORD pid, const std::string& module) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE) return nullptr;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    BYTE* base = nullptr;
    for (BOOL more = Module32First(snapshot, &entry); more && base == nullptr;
         more = Module32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szModule, module.c_str()) == 0) base = entry.modBaseAddr;
    }
    CloseHandle(snapshot);
    return base;
}

// The address of a function of a module in process pid, from its offset in
// the same module loaded here.
void* RemoteAddress(DWORD pid, HMODULE local, const char* module, const char* function) {
    BYTE* base = RemoteModuleBase(pid, module);
    FARPROC here = GetProcAddress(local, function);
    if (base == nullptr || here == nullptr) return nullptr;
    return base + (reinterpret_cast<BYTE*>(here) - reinterpret_cast<BYTE*>(local));
}

// Runs function(argument) on a new thread of process; false when it could not
// run or did not end in time.
bool CallRemote(HANDLE process, void* function, void* argument, DWORD& result) {
    HANDLE thread =
        CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(function),
                           argument, 0, nullptr);
    if (thread == nullptr) return false;
    const bool ended = WaitForSingleObject(thread, kRemoteCallTimeoutMs) == WAIT_OBJECT_0;
    if (ended) GetExitCodeThread(thread, &result);
    CloseHandle(thread);
    return ended;
}

class RemoteMemory {
  public:
    RemoteMemory(HANDLE process, size_t size)
        : process_(process),
          address_(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (address_ != nullptr && !leak_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    void* Address() const { return address_; }
    // A remote thread that did not end may still use the memory.
    void Leak() { leak_ = true; }

  private:
    HANDLE process_;
    void* address_;
    bool leak_ = false;
};

bool ReadMenuFromInside(HWND window, std::string& text) {
    const DWORD pid = WindowProcessId(window);
    const std::string dllPath = BesideProgram(kMenuProbeDll);
    HMODULE localProbe = LoadLibraryA(dllPath.c_str());
    HMODULE localKernel = GetModuleHandleA("kernel32.dll");
    HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                     PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                 FALSE, pid);
    bool ok = false;
    if (localProbe != nullptr && process != nullptr) {
        void* loadLibrary = RemoteAddress(pid, localKernel, "kernel32.dll", "LoadLibraryA");
        void* freeLibrary = RemoteAddress(pid, localKernel, "kernel32.dll", "FreeLibrary");
        RemoteMemory path(process, dllPath.size() + 1);
        DWORD result = 0;
        if (loadLibrary != nullptr && freeLibrary != nullptr && path.Address() != nullptr &&
            WriteProcessMemory(process, path.Address(), dllPath.c_str(), dllPath.size() + 1,
                               nullptr)) {
            if (!CallRemote(process, loadLibrary, path.Address(), result)) path.Leak();
        }
        BYTE* remoteProbe = RemoteModuleBase(pid, kMenuProbeDll);
        void* read = RemoteAddress(pid, localProbe, kMenuProbeDll, kMenuProbeEntry);
        const size_t blockSize = offsetof(MenuProbeBlock, text) + kTextCapacity;
        RemoteMemory block(process, blockSize);
        if (read != nullptr && block.Address() != nullptr) {
            MenuProbeBlock header{};
            header.window = reinterpret_cast<uintptr_t>(window);
            header.capacity = kTextCapacity;
            WriteProcessMemory(process, block.Address(), &header, offsetof(MenuProbeBlock, text),
                               nullptr);
            if (!CallRemote(process, read, block.Address(), result)) {
                block.Leak();
            } else if (result == 0 && ReadProcessMemory(process, block.Address(), &header,
                                                        offsetof(MenuProbeBlock, text), nullptr)) {
                text.assign(header.length, '\0');
                ok = header.length == 0 || ReadProcessMemory(process,
                                                             static_cast<BYTE*>(block.Address()) +
                                                                 offsetof(MenuProbeBlock, text),
                                                             &text[0], header.length, nullptr);
            }
        }
        if (remoteProbe != nullptr) CallRemote(process, freeLibrary, remoteProbe, result);
    }
    if (process != nullptr) CloseHandle(process);
    if (localProbe != nullptr) FreeLibrary(localProbe);
    return ok;
}

std::string PlainCaption(const std::string& caption) {
    const std::string plain = WithoutMnemonics(caption);
    return plain.substr(0, plain.find('\t'));
}

}  // namespace

std::vector<MenuEntry> MenuTree(HWND window, bool* ok) {
    if (ok != nullptr) *ok = false;
    if (!IsWindow(window)) return {};
    HMENU menu = GetMenu(window);
    if (menu == nullptr) {
        if (ok != nullptr) *ok = true;
        return {};
    }
    std::string text;
    // GetMenuItemCount fails on a menu this process cannot reach.
    if (GetMenuItemCount(menu) >= 0) {
        text = MenuText(menu);
    } else if (!ReadMenuFromInside(window, text)) {
        return {};
    }
    if (ok != nullptr) *ok = true;
    return ParseMenuText(text);
}

const MenuEntry* FindMenuEntry(const std::vector<MenuEntry>& tree,
                               const std::vector<std::string>& captionPath) {
    const std::vector<MenuEntry>* level = &tree;
    const MenuEntry* found = nullptr;
    for (const std::string& caption : captionPath) {
        if (level == nullptr) return nullptr;
        // Written with markers ("Save && &Check") or as shown ("Save & Check").
        const std::string withMarkers = PlainCaption(caption);
        found = nullptr;
        for (const MenuEntry& entry : *level) {
            const std::string shown = PlainCaption(entry.caption);
            if (!entry.IsSeparator() && (shown == withMarkers || shown == caption)) {
                found = &entry;
                break;
            }
        }
        if (found == nullptr) return nullptr;
        level = &found->items;
    }
    return found;
}

}  // namespace qn::e2e
