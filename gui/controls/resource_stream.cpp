#include "gui/controls/resource_stream.h"

#include "gui/core/exceptions.h"
#include "gui/core/string_utils.h"

namespace gui {

TResourceStream::TResourceStream(HINSTANCE instance, const std::string& name, const char* type)
{
    Open(instance, name.c_str(), type, name);
}

TResourceStream::TResourceStream(HINSTANCE instance, int id, const char* type)
{
    Open(instance, MAKEINTRESOURCEA(id), type, IntToStr(id));
}

void TResourceStream::Open(HINSTANCE instance, const char* name, const char* type, const std::string& shownName)
{
    // Loaded resources live as long as their module and need no release.
    HRSRC info = ::FindResourceA(instance, name, type);
    HGLOBAL loaded = info ? ::LoadResource(instance, info) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data)
        throw EResNotFound("Resource " + shownName + " not found");
    SetPointer(static_cast<const uint8_t*>(data), ::SizeofResource(instance, info));
}

}  // namespace gui
