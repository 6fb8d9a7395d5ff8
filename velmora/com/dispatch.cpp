#include "com/dispatch.h"

#include "win/com_ptr.h"

namespace velmora::com {
namespace {

// The invoke kind of a description, as the flags of IDispatch::Invoke name it.
WORD DispatchFlag(INVOKEKIND kind)
{
    switch (kind) {
    case INVOKE_FUNC:
        return DISPATCH_METHOD;
    case INVOKE_PROPERTYGET:
        return DISPATCH_PROPERTYGET;
    case INVOKE_PROPERTYPUT:
        return DISPATCH_PROPERTYPUT;
    default:
        return DISPATCH_PROPERTYPUTREF;
    }
}

bool IsObject(const TYPEDESC& type)
{
    return type.vt == VT_DISPATCH || type.vt == VT_UNKNOWN ||
           (type.vt == VT_PTR && type.lptdesc->vt == VT_USERDEFINED);
}

// A property whose value is an object, read with arguments: the arguments index
// the object's default member (Drives(1) is Drives.Item(1)).
bool ReturnsObject(const FUNCDESC& function)
{
    for (SHORT p = 0; p < function.cParams; ++p) {
        const ELEMDESC& param = function.lprgelemdescParam[p];
        if (param.paramdesc.wParamFlags & PARAMFLAG_FRETVAL)
            return param.tdesc.vt == VT_PTR && IsObject(*param.tdesc.lptdesc);
    }
    return IsObject(function.elemdescFunc.tdesc);
}

enum class Arguments { Fit, TooMany, NotACollection, IndexTheValue };

// Whether the arguments fit the member: the type information would call a member
// with more arguments than it takes, or read one of them as the place of its result.
Arguments CheckArguments(ITypeInfo* info, DISPID member, WORD flags, const DISPPARAMS& params)
{
    TYPEATTR* type = nullptr;
    if (FAILED(info->GetTypeAttr(&type)))
        return Arguments::Fit;
    const WORD functions = type->cFuncs;
    info->ReleaseTypeAttr(type);
    bool found = false;
    bool fits = false;
    bool propertyGet = false;
    bool object = false;
    for (UINT i = 0; i < functions && !fits; ++i) {
        FUNCDESC* function = nullptr;
        if (FAILED(info->GetFuncDesc(i, &function)))
            continue;
        if (function->memid == member && (flags & DispatchFlag(function->invkind))) {
            found = true;
            UINT takes = 0;
            for (SHORT p = 0; p < function->cParams; ++p)
                if (!(function->lprgelemdescParam[p].paramdesc.wParamFlags & PARAMFLAG_FRETVAL))
                    ++takes;
            fits = function->cParamsOpt < 0 || params.cArgs <= takes;
            if (function->invkind == INVOKE_PROPERTYGET && takes == 0) {
                propertyGet = true;
                object = ReturnsObject(*function);
            }
        }
        info->ReleaseFuncDesc(function);
    }
    if (!found || fits)
        return Arguments::Fit;
    if (propertyGet)
        return object ? Arguments::IndexTheValue : Arguments::NotACollection;
    return Arguments::TooMany;
}

}  // namespace

HRESULT NamesThroughTypeInfo(REFIID iid, LPOLESTR* names, UINT count, DISPID* ids)
{
    win::ComPtr<ITypeInfo> info;
    const HRESULT hr = ModuleTypeInfo(iid, info.Put());
    if (FAILED(hr))
        return hr;
    return info->GetIDsOfNames(names, count, ids);
}

// One late-bound call whose arguments are checked against the member first.
HRESULT CheckedInvoke(ITypeInfo* info, void* object, DISPID member, WORD flags,
                      DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* argError)
{
    switch (CheckArguments(info, member, flags, *params)) {
    case Arguments::Fit:
        break;
    case Arguments::TooMany:
        return DISP_E_BADPARAMCOUNT;
    case Arguments::NotACollection:
        return DISP_E_NOTACOLLECTION;
    case Arguments::IndexTheValue: {
        DISPPARAMS noArguments{};
        win::UniqueVariant value;
        const HRESULT hr = info->Invoke(object, member, DISPATCH_PROPERTYGET, &noArguments,
                                        value.Get(), exception, argError);
        if (FAILED(hr))
            return hr;
        if (value.Get()->vt != VT_DISPATCH || !value.Get()->pdispVal)
            return DISP_E_NOTACOLLECTION;  // no object (Nothing) has no default member
        return value.Get()->pdispVal->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, flags,
                                             params, result, exception, argError);
    }
    }
    return info->Invoke(object, member, flags, params, result, exception, argError);
}

HRESULT InvokeThroughTypeInfo(void* object, REFIID iid, DISPID member, WORD flags,
                              DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                              UINT* argError)
{
    win::ComPtr<ITypeInfo> info;
    HRESULT hr = ModuleTypeInfo(iid, info.Put());
    if (FAILED(hr))
        return hr;
    DISPPARAMS none{};
    if (!params)
        params = &none;
    // Callers may ask for no result even from a property; the type information
    // needs somewhere to put it.
    win::UniqueVariant discarded;
    if (!result)
        result = discarded.Get();
    ::SetErrorInfo(0, nullptr);
    hr = CheckedInvoke(info.Get(), object, member, flags, params, result, exception, argError);
    // Some script engines ask for _NewEnum and other properties as methods.
    if (hr == DISP_E_MEMBERNOTFOUND && flags == DISPATCH_METHOD)
        hr = CheckedInvoke(info.Get(), object, member, DISPATCH_PROPERTYGET, params, result,
                           exception, argError);
    return hr;
}

}  // namespace velmora::com
