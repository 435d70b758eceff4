#include "platform/win32/optional_api.h"

namespace qn::win32 {
namespace {

template <typename Fn>
Fn Resolve(HMODULE module, const char* name) {
    if (!module) return nullptr;
    // The cast through void* keeps -Wcast-function-type quiet for FARPROC.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

OptionalApi Load() {
    OptionalApi api;
    HMODULE user32 = GetModuleHandleA("user32.dll");
    api.SetLayeredWindowAttributes =
        Resolve<SetLayeredWindowAttributesFn>(user32, "SetLayeredWindowAttributes");
    api.GetLayeredWindowAttributes =
        Resolve<GetLayeredWindowAttributesFn>(user32, "GetLayeredWindowAttributes");
    api.GetIfTable = Resolve<GetIfTableFn>(LoadLibraryA("iphlpapi.dll"), "GetIfTable");
    api.SHDeleteKeyA = Resolve<SHDeleteKeyAFn>(LoadLibraryA("shlwapi.dll"), "SHDeleteKeyA");
    return api;
}

}  // namespace

const OptionalApi& Optional() {
    static const OptionalApi api = Load();
    return api;
}

}  // namespace qn::win32
