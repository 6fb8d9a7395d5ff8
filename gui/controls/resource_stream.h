// A read-only stream over a resource of a module (binary form data, pictures).
#pragma once

#include <windows.h>

#include <string>

#include "gui/core/memory_stream.h"

namespace gui {

class TResourceStream : public TCustomMemoryStream {
public:
    // Raises EResNotFound when the module has no such resource.
    TResourceStream(HINSTANCE instance, const std::string& name, const char* type);
    TResourceStream(HINSTANCE instance, int id, const char* type);

private:
    void Open(HINSTANCE instance, const char* name, const char* type, const std::string& shownName);
};

}  // namespace gui
