// In-place activation and drawing: the control shows its icon in a child window of
// the container (or wherever the container asks it to draw).
#include "control/cd_ripper.h"
#include "control/window_class.h"

namespace velmora {
namespace {

// Where the container shows the control and which of its windows take the active object.
struct InPlaceContext {
    win::ComPtr<IOleInPlaceFrame> frame;
    win::ComPtr<IOleInPlaceUIWindow> document;
    RECT position{};
    RECT clip{};
    bool known = false;
};

InPlaceContext ContextOf(IOleInPlaceSite* site)
{
    InPlaceContext context;
    OLEINPLACEFRAMEINFO frameInfo{};
    frameInfo.cb = sizeof frameInfo;
    context.known = SUCCEEDED(site->GetWindowContext(context.frame.Put(), context.document.Put(),
                                                     &context.position, &context.clip, &frameInfo));
    return context;
}

}  // namespace

HRESULT VelCDRipper::InPlaceActivate(LONG verb)
{
    if (!clientSite_)
        return E_UNEXPECTED;
    if (!inPlaceActive_) {
        if (FAILED(clientSite_.As(inPlaceSite_)))
            return E_FAIL;
        if (inPlaceSite_->CanInPlaceActivate() != S_OK)
            return E_FAIL;
        inPlaceSite_->OnInPlaceActivate();
        inPlaceActive_ = true;

        HWND parent = nullptr;
        inPlaceSite_->GetWindow(&parent);
        const RECT position = ContextOf(inPlaceSite_.Get()).position;
        inPlaceWindow_ = ::CreateWindowExW(0, kControlWindowClass, nullptr,
                                           WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                           position.left, position.top,
                                           position.right - position.left,
                                           position.bottom - position.top, parent, nullptr,
                                           com::ModuleInstance(), this);
    }
    if (inPlaceWindow_)
        ::ShowWindow(inPlaceWindow_, SW_SHOWNA);

    if (verb == OLEIVERB_UIACTIVATE && !uiActive_) {
        uiActive_ = true;
        inPlaceSite_->OnUIActivate();
        const InPlaceContext context = ContextOf(inPlaceSite_.Get());
        if (context.frame) {
            context.frame->SetActiveObject(this, nullptr);
            context.frame->SetBorderSpace(nullptr);
        }
        if (context.document) {
            context.document->SetActiveObject(this, nullptr);
            context.document->SetBorderSpace(nullptr);
        }
    }
    return S_OK;
}

STDMETHODIMP VelCDRipper::UIDeactivate()
{
    if (!uiActive_)
        return S_OK;
    uiActive_ = false;
    if (inPlaceSite_) {
        const InPlaceContext context = ContextOf(inPlaceSite_.Get());
        if (context.document)
            context.document->SetActiveObject(nullptr, nullptr);
        if (context.frame)
            context.frame->SetActiveObject(nullptr, nullptr);
        inPlaceSite_->OnUIDeactivate(FALSE);
    }
    return S_OK;
}

STDMETHODIMP VelCDRipper::InPlaceDeactivate()
{
    if (!inPlaceActive_)
        return S_OK;
    UIDeactivate();
    inPlaceActive_ = false;
    if (inPlaceWindow_) {
        ::DestroyWindow(inPlaceWindow_);
        inPlaceWindow_ = nullptr;
    }
    if (inPlaceSite_)
        inPlaceSite_->OnInPlaceDeactivate();
    inPlaceSite_.Reset();
    return S_OK;
}

STDMETHODIMP VelCDRipper::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = inPlaceWindow_;
    return inPlaceWindow_ ? S_OK : E_FAIL;
}

STDMETHODIMP VelCDRipper::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP VelCDRipper::SetObjectRects(LPCRECT position, LPCRECT)
{
    if (!position)
        return E_POINTER;
    if (inPlaceWindow_)
        ::SetWindowPos(inPlaceWindow_, nullptr, position->left, position->top,
                       position->right - position->left, position->bottom - position->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    return S_OK;
}

STDMETHODIMP VelCDRipper::ReactivateAndUndo() { return E_NOTIMPL; }

STDMETHODIMP VelCDRipper::OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT* result)
{
    if (result)
        *result = 0;
    return S_FALSE;
}

STDMETHODIMP VelCDRipper::GetDropTarget(IDropTarget** target)
{
    if (target)
        *target = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP VelCDRipper::TranslateAccelerator(LPMSG) { return S_FALSE; }
STDMETHODIMP VelCDRipper::OnFrameWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP VelCDRipper::OnDocWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP VelCDRipper::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
STDMETHODIMP VelCDRipper::EnableModeless(BOOL) { return S_OK; }

STDMETHODIMP VelCDRipper::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC drawDc,
                               LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                               ULONG_PTR)
{
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (!drawDc)
        return E_INVALIDARG;
    DrawIcon(drawDc, bounds ? bounds->left : 0, bounds ? bounds->top : 0);
    return S_OK;
}

STDMETHODIMP VelCDRipper::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors)
{
    if (colors)
        *colors = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP VelCDRipper::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }
STDMETHODIMP VelCDRipper::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP VelCDRipper::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink)
{
    viewSink_ = sink;
    viewSinkAspects_ = aspects;
    viewSinkFlags_ = flags;
    return S_OK;
}

STDMETHODIMP VelCDRipper::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink)
{
    if (aspects)
        *aspects = viewSinkAspects_;
    if (flags)
        *flags = viewSinkFlags_;
    if (sink) {
        *sink = viewSink_.Get();
        if (*sink)
            (*sink)->AddRef();
    }
    return S_OK;
}

STDMETHODIMP VelCDRipper::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size)
{
    return GetExtent(aspect, size);
}

STDMETHODIMP VelCDRipper::GetRect(DWORD, LPRECTL) { return E_NOTIMPL; }

STDMETHODIMP VelCDRipper::GetViewStatus(DWORD* status)
{
    if (!status)
        return E_POINTER;
    *status = 0;  // only the icon is drawn: neither opaque nor a solid background
    return S_OK;
}

STDMETHODIMP VelCDRipper::QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT location, LONG,
                                        DWORD* result)
{
    if (!bounds || !result)
        return E_POINTER;
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    *result = ::PtInRect(bounds, location) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
    return S_OK;
}

STDMETHODIMP VelCDRipper::QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT location, LONG,
                                       DWORD* result)
{
    if (!bounds || !location || !result)
        return E_POINTER;
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    RECT overlap;
    *result = ::IntersectRect(&overlap, bounds, location) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
    return S_OK;
}

STDMETHODIMP VelCDRipper::GetNaturalExtent(DWORD, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO*,
                                           LPSIZEL)
{
    return E_NOTIMPL;
}

}  // namespace velmora
