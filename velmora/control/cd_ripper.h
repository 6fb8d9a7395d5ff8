// The ActiveX control: owns the SCSI back end, the drives, the extraction state and
// a hidden window through which its threads report to the UI thread, where the
// window's handler fires the events to every connected sink.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <mutex>
#include <vector>

#include "com/com_object.h"
#include "com/dispatch.h"
#include "control/connection_point.h"
#include "control/encoder_events_interface.h"
#include "extract/encoder_slot.h"
#include "extract/extraction.h"
#include "objects/object_model.h"
#include "objects/ripper_host.h"
#include "transport/drive_record.h"
#include "transport/scsi_manager.h"
#include "win/com_ptr.h"

namespace velmora {

class Drive;

// A stored Boolean as automation clients compare it: any value but zero is VARIANT_TRUE.
// Scripts test "= True" against -1, and the worker takes any value but zero as on,
// so what the getters report and what the worker does always agree.
inline LONG CanonicalBoolean(DWORD value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

class VelCDRipper final
    : public com::ComObject<VelCDRipper, com::DispatchImpl<IVelCDRipper>, IViewObjectEx,
                            IOleInPlaceObjectWindowless, IOleInPlaceActiveObject, IOleControl,
                            IOleObject, IPersistStreamInit, ISupportErrorInfo,
                            IConnectionPointContainer, ISpecifyPropertyPages, IQuickActivate,
                            IPersistStorage, IDataObject, IProvideClassInfo2>,
      public RipperHost,
      public ExtractionHost {
public:
    VelCDRipper();
    // The construction proper; a failure makes the host's creation fail.
    HRESULT Construct();

    // IVelCDRipper
    STDMETHODIMP get_Drives(IDrivesCollection** result) override;
    STDMETHODIMP CancelExtraction() override;
    STDMETHODIMP get_Encoder(IVelAudioEncoder** result) override;
    STDMETHODIMP put_Encoder(IVelAudioEncoder* encoder) override;
    STDMETHODIMP get_JitterCorrection(VARIANT_BOOL* result) override;
    STDMETHODIMP put_JitterCorrection(VARIANT_BOOL value) override;
    STDMETHODIMP RunQueue() override;
    STDMETHODIMP ClearQueue() override;
    STDMETHODIMP GetDriveNumber(LONG* result) override;
    STDMETHODIMP GetDrive(LONG index, IDrive** result) override;
    STDMETHODIMP get_OverwritePrompt(VARIANT_BOOL* result) override;
    STDMETHODIMP put_OverwritePrompt(VARIANT_BOOL value) override;
    STDMETHODIMP putref_Encoder(IVelAudioEncoder* encoder) override;

    // IDispatch: the rest through the type information.
    STDMETHODIMP Invoke(DISPID member, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override;

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index, HWND parent,
                        LPCRECT rect) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* clsid) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* type) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP Unadvise(DWORD connection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** advise) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

    // IOleControl
    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
    STDMETHODIMP OnMnemonic(MSG* msg) override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID id) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;

    // IOleWindow, IOleInPlaceObject(Windowless), IOleInPlaceActiveObject
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override;
    STDMETHODIMP OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    STDMETHODIMP GetDropTarget(IDropTarget** target) override;
    STDMETHODIMP TranslateAccelerator(LPMSG msg) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;

    // IViewObject, IViewObject2, IViewObjectEx
    STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device,
                      HDC targetDc, HDC drawDc, LPCRECTL bounds, LPCRECTL windowBounds,
                      BOOL(STDMETHODCALLTYPE* keepGoing)(ULONG_PTR), ULONG_PTR argument) override;
    STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device,
                             HDC targetDc, LOGPALETTE** colors) override;
    STDMETHODIMP Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) override;
    STDMETHODIMP Unfreeze(DWORD freeze) override;
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) override;
    STDMETHODIMP GetRect(DWORD aspect, LPRECTL rect) override;
    STDMETHODIMP GetViewStatus(DWORD* status) override;
    STDMETHODIMP QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT location, LONG closeHint,
                               DWORD* result) override;
    STDMETHODIMP QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT location, LONG closeHint,
                              DWORD* result) override;
    STDMETHODIMP GetNaturalExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, HDC targetDc,
                                  DVEXTENTINFO* info, LPSIZEL size) override;

    // IPersist, IPersistStreamInit, IPersistStorage
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(LPSTREAM stream) override;
    STDMETHODIMP Save(LPSTREAM stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
    STDMETHODIMP InitNew() override;
    STDMETHODIMP InitNew(IStorage* storage) override;
    STDMETHODIMP Load(IStorage* storage) override;
    STDMETHODIMP Save(IStorage* storage, BOOL sameAsLoad) override;
    STDMETHODIMP SaveCompleted(IStorage* storage) override;
    STDMETHODIMP HandsOffStorage() override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
    STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

    // ISpecifyPropertyPages
    STDMETHODIMP GetPages(CAUUID* pages) override;

    // IQuickActivate
    STDMETHODIMP QuickActivate(QACONTAINER* container, QACONTROL* control) override;
    STDMETHODIMP SetContentExtent(LPSIZEL size) override;
    STDMETHODIMP GetContentExtent(LPSIZEL size) override;

    // IDataObject
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    STDMETHODIMP SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    STDMETHODIMP DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                         DWORD* connection) override;
    STDMETHODIMP DUnadvise(DWORD connection) override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** advise) override;

    // IProvideClassInfo, IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

    // RipperHost
    bool Extracting() const override { return extraction_->Busy(); }
    void PostDiscChanged() override;
    HRESULT Extract(ExtractionTask task, bool queue, REFIID iid) override;

    // ExtractionHost
    HWND Window() const override { return window_; }
    bool JitterCorrection() const override { return jitterCorrection_ != 0; }
    bool OverwritePrompt() const override { return overwritePrompt_ != 0; }
    const EncoderSlot& Encoder() const override { return encoder_; }

    // The encoder's error events, through an interface of the control's own
    // that passes them to the extraction's listener.
    void* QueryExtraInterface(REFIID riid);

    // The window's handler.
    LRESULT OnMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    ~VelCDRipper() override;

    HRESULT PutEncoderLateBound(DISPPARAMS* params, EXCEPINFO* exception, UINT* argError);
    HRESULT CreateHelperWindow();
    void DestroyControlWindow();
    int AskOverwrite();
    HRESULT InPlaceActivate(LONG verb);
    void DrawIcon(HDC dc, int left, int top) const;
    HRESULT SaveTo(IStream* stream);
    HRESULT LoadFrom(IStream* stream);

    HWND window_ = nullptr;          // the control's window: every message goes here
    HWND inPlaceWindow_ = nullptr;   // the visible child while in-place active
    HICON icon_ = nullptr;
    volatile LONG jitterCorrection_ = 0;
    volatile LONG overwritePrompt_ = 1;
    DrivesCollection* drives_ = nullptr;
    bool scanDone_ = false;
    std::unique_ptr<ScsiManager> manager_;
    uint8_t hostAdapters_ = 0;
    std::vector<std::shared_ptr<DriveRecord>> records_;
    std::vector<Drive*> driveObjects_;  // the same drives as the collection, for shutdown
    EncoderSlot encoder_;  // the worker takes it at every task
    std::unique_ptr<Extraction> extraction_;
    EncoderEventsInterface encoderEvents_;  // after extraction_, whose listener it uses
    bool destroying_ = false;

    ConnectionPoint events_;
    SIZEL extent_{};  // HIMETRIC; fixed at 32 x 32 pixels
    bool dirty_ = false;
    LONG freezeCount_ = 0;
    bool inPlaceActive_ = false;
    bool uiActive_ = false;
    win::ComPtr<IOleClientSite> clientSite_;
    win::ComPtr<IOleInPlaceSite> inPlaceSite_;
    win::ComPtr<IOleAdviseHolder> oleAdviseHolder_;
    win::ComPtr<IDataAdviseHolder> dataAdviseHolder_;
    win::ComPtr<IAdviseSink> viewSink_;
    DWORD viewSinkAspects_ = 0;
    DWORD viewSinkFlags_ = 0;
};

}  // namespace velmora
