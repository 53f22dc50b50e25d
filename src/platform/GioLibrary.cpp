// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GioLibrary.h"

#include <dlfcn.h>

#include <type_traits>

namespace gx508 {

namespace {

constexpr const char* kGioLibrary = "libgio-2.0.so.0";

struct LoadedGio {
    GioCalls calls;
    bool complete = false;
    std::string whyNot;
};

LoadedGio Load() {
    LoadedGio loaded;
    void* library = dlopen(kGioLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        loaded.whyNot = dlerror();
        return loaded;
    }
    // The search covers the libraries GIO itself brings: GObject's and GLib's calls are found
    // through it too.
    const auto find = [&](auto& call, const char* name) {
        void* address = dlsym(library, name);
        if (address == nullptr) {
            loaded.whyNot = std::string(kGioLibrary) + " has no " + name;
            return false;
        }
        call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(address);
        return true;
    };
#define GX508_GIO_FIND(member, function) find(loaded.calls.member, #function)&&
    loaded.complete = GX508_GIO_CALLS(GX508_GIO_FIND) true;
#undef GX508_GIO_FIND
    return loaded;
}

}  // namespace

const GioCalls* LoadGio(std::string& whyNot) {
    static const LoadedGio loaded = Load();
    if (!loaded.complete) {
        whyNot = loaded.whyNot;
        return nullptr;
    }
    return &loaded.calls;
}

}  // namespace gx508
