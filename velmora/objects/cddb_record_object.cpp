#include "objects/cddb_record_object.h"

#include "com/error_info.h"
#include "objects/drive.h"

namespace velmora {
namespace {

HRESULT Text(const std::wstring& text, BSTR* result)
{
    *result = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *result ? S_OK : E_OUTOFMEMORY;
}

HRESULT Gone()
{
    return com::ReportError(IID_ICDDBRecord, L"The CDDB record is no longer available.");
}

}  // namespace

STDMETHODIMP CDDBRecord::InterfaceSupportsErrorInfo(REFIID riid)
{
    return riid == IID_ICDDBRecord ? S_OK : S_FALSE;
}

STDMETHODIMP CDDBRecord::get_Description(BSTR* result)
{
    if (!result)
        return E_POINTER;
    *result = nullptr;
    std::wstring text;
    if (!link_->drive || !link_->drive->MatchText(index_, &text, nullptr))
        return Gone();
    return Text(text, result);
}

STDMETHODIMP CDDBRecord::get_RawData(BSTR* result)
{
    if (!result)
        return E_POINTER;
    *result = nullptr;
    std::wstring text;
    if (!link_->drive || !link_->drive->MatchText(index_, nullptr, &text))
        return Gone();
    return Text(text, result);
}

STDMETHODIMP CDDBRecord::SetActive()
{
    if (!link_->drive)
        return Gone();
    link_->drive->SetActiveRecord(index_);
    return S_OK;
}

}  // namespace velmora
