// Applies a registry script to the registry and takes it back out again. The
// script nests keys in braces:
//
//   HKCR
//   {
//       NoRemove CLSID                         kept when unregistering
//       {
//           ForceRemove {guid} = s 'text'      replaced on registration, removed whole
//           {
//               InprocServer32 = s '%MODULE%'
//               {
//                   val ThreadingModel = s 'Apartment'
//               }
//           }
//       }
//   }
//
// A plain key is removed on unregistration once it has no subkeys left. Values are
// strings (s) or numbers (d); %NAME% is replaced from the given variables.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace velmora {

class Registrar {
public:
    // `root` stands for HKCR in the script (tests point it elsewhere).
    explicit Registrar(HKEY root = HKEY_CLASSES_ROOT) : root_(root) {}
    void SetVariable(const std::wstring& name, const std::wstring& value)
    {
        variables_[name] = value;
    }

    // Both return S_OK, or an error for a script that does not parse or a registry
    // call that fails (registration stops at the first failure).
    HRESULT Register(const std::wstring& script);
    HRESULT Unregister(const std::wstring& script);

private:
    HKEY root_;
    std::map<std::wstring, std::wstring> variables_;
};

}  // namespace velmora
