#include "gui/controls/win_control.h"

#include <algorithm>

#include "gui/controls/application.h"
#include "gui/controls/control_messages.h"
#include "gui/controls/find_control.h"
#include "gui/controls/form.h"
#include "gui/controls/screen.h"
#include "gui/core/exceptions.h"
#include "gui/core/scope_exit.h"
#include "gui/core/string_utils.h"
#include "gui/graphics/win_types.h"
#include "win/saved_dc.h"

namespace gui {

namespace {

// The form that sees a control's keys before the control does.
TWinControl* KeyPreviewer(TWinControl* control)
{
    TForm* form = GetParentForm(control);
    return form && form != control && form->KeyPreview() ? form : nullptr;
}

// The window property that leads from a window to its control.
LPCSTR ControlProperty()
{
    static const ATOM atom = ::GlobalAddAtomA("gui.TWinControl");
    return MAKEINTATOM(atom);
}

HINSTANCE ProgramInstance() { return ::GetModuleHandleA(nullptr); }

// BeginPaint and EndPaint around a WM_PAINT that brought no DC.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), dc_(::BeginPaint(window, &ps_)) {}
    ~PaintScope() { ::EndPaint(window_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC DC() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

template <typename T>
void Erase(std::vector<T*>& list, const TControl* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

template <typename T>
void MoveToEnd(std::vector<T*>& list, T* item, bool back)
{
    Erase(list, item);
    if (back)
        list.push_back(item);
    else
        list.insert(list.begin(), item);
}

}  // namespace

TWinControl* FindControl(HWND window)
{
    if (!window)
        return nullptr;
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != ::GetCurrentProcessId())
        return nullptr;
    return static_cast<TWinControl*>(::GetPropA(window, ControlProperty()));
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    Destroying();
    // The children's windows go with this one; the children themselves stay
    // with their owners.
    DestroyHandle();
    while (!controls_.empty())
        controls_.back()->SetParent(nullptr);
    while (!winControls_.empty())
        winControls_.back()->SetParent(nullptr);
    // Leaves the parent while still a windowed control, which is how the parent
    // lists it.
    if (Parent())
        Parent()->RemoveControl(this);
}

// ---- The window ----

HWND TWinControl::Handle()
{
    if (!handle_) {
        if (Parent())
            Parent()->HandleNeeded();  // makes this window too
        if (!handle_)
            CreateHandle();
    }
    return handle_.Get();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params = TCreateParams();
    params.Caption = text_;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (ControlStyle().Contains(csAcceptsControls))
        params.Style |= WS_CLIPCHILDREN;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (tabStop_)
        params.Style |= WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    if (Parent() && Parent()->HandleAllocated())
        params.WndParent = Parent()->handle_.Get();
    params.WindowClass.style = CS_VREDRAW | CS_HREDRAW;
    if (ControlStyle().Contains(csDoubleClicks))
        params.WindowClass.style |= CS_DBLCLKS;
    params.WindowClass.lpfnWndProc = ::DefWindowProcA;
    params.WindowClass.hInstance = ProgramInstance();
    params.WindowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    params.WinClassName = "TWinControl";
}

void TWinControl::RegisterWindowClass(TCreateParams& params)
{
    WNDCLASSA existing{};
    if (::GetClassInfoA(params.WindowClass.hInstance, params.WinClassName.c_str(), &existing)) {
        if (existing.lpfnWndProc == &TWinControl::InitWndProc)
            return;
        ::UnregisterClassA(params.WinClassName.c_str(), params.WindowClass.hInstance);
    }
    WNDCLASSA wc = params.WindowClass;
    wc.lpfnWndProc = &TWinControl::InitWndProc;
    wc.lpszClassName = params.WinClassName.c_str();
    if (!::RegisterClassA(&wc))
        throw EOutOfResources("Error creating window class");
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    defWndProc_ = params.WindowClass.lpfnWndProc ? params.WindowClass.lpfnWndProc : ::DefWindowProcA;
    RegisterWindowClass(params);
    {
        SetControlStateFlag(csCreating, true);
        const auto created = ScopeExit([this] { SetControlStateFlag(csCreating, false); });
        CreateWindowHandle(params);
    }
    if (!handle_)
        throw EOutOfResources("Error creating window");
    if (Parent())
        ::SetWindowPos(handle_.Get(), Parent()->PrecedingWindow(this), 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
}

void TWinControl::CreateWindowHandle(const TCreateParams& params)
{
    // The window procedure attaches the window to this control at WM_NCCREATE.
    ::CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style, params.X,
                      params.Y, params.Width, params.Height, params.WndParent, nullptr,
                      params.WindowClass.hInstance, this);
}

void TWinControl::CreateHandle()
{
    if (handle_)
        return;
    CreateWnd();
    const std::vector<TWinControl*> children = winControls_;
    for (TWinControl* child : children)
        if (child->Parent() == this && !child->HandleAllocated())
            child->CreateHandle();
    Realign();
}

void TWinControl::DestroyWnd()
{
    text_ = Text();
    // The window stays attached while it goes, so that its last messages still
    // reach the default procedure; WM_NCDESTROY detaches it.
    const HWND window = handle_.Get();
    ::DestroyWindow(window);
    if (handle_.Get() == window)
        Detach(window);
}

void TWinControl::DestroyHandle()
{
    if (handle_)
        DestroyWnd();
}

void TWinControl::RecreateWnd()
{
    if (!handle_)
        return;
    DestroyHandle();
    CreateHandle();
}

void TWinControl::Attach(HWND window)
{
    handle_ = win::UniqueWindow(window);
    ::SetPropA(window, ControlProperty(), this);
}

void TWinControl::Detach(HWND window)
{
    ::RemovePropA(window, ControlProperty());
    handle_.Release();
    trackingLeave_ = false;
    captureControl_ = nullptr;
}

LRESULT CALLBACK TWinControl::InitWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* control = static_cast<TWinControl*>(::GetPropA(window, ControlProperty()));
    if (!control) {
        if (msg == WM_NCCREATE) {
            const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            // An MDI child is made with the system's own creation data, which
            // carries ours.
            if (cs->dwExStyle & WS_EX_MDICHILD)
                control = reinterpret_cast<TWinControl*>(
                    static_cast<const MDICREATESTRUCTA*>(cs->lpCreateParams)->lParam);
            else
                control = static_cast<TWinControl*>(cs->lpCreateParams);
        }
        if (!control)
            return ::DefWindowProcA(window, msg, wParam, lParam);
        control->Attach(window);
    }
    if (msg == WM_NCDESTROY) {
        const WNDPROC defWndProc = control->defWndProc_;
        control->Detach(window);
        return ::CallWindowProcA(defWndProc, window, msg, wParam, lParam);
    }
    TMessage message{msg, wParam, lParam};
    Application().DispatchGuarded(control, message, [control](TMessage& m) { control->WindowProc().Dispatch(m); });
    return message.Result;
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (handle_)
        message.Result =
            ::CallWindowProcA(defWndProc_, handle_.Get(), message.Msg, message.WParam, message.LParam);
    else
        TControl::DefaultHandler(message);
}

// ---- Children ----

TControl* TWinControl::Controls(int index) const
{
    const size_t graphic = controls_.size();
    if (index < 0 || index >= ControlCount())
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    if (size_t(index) < graphic)
        return controls_[size_t(index)];
    return winControls_[size_t(index) - graphic];
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (c->Visible() && (c->Enabled() || allowDisabled) && point.X >= c->Left() &&
            point.X < c->Left() + c->Width() && point.Y >= c->Top() && point.Y < c->Top() + c->Height())
            return c;
    }
    return nullptr;
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (; control; control = control->Parent())
        if (control->Parent() == this)
            return true;
    return false;
}

void TWinControl::InsertControl(TControl* control)
{
    control->parent_ = this;
    if (auto* window = dynamic_cast<TWinControl*>(control)) {
        winControls_.push_back(window);
        tabList_.push_back(window);
        if (window->pendingTabOrder_ >= 0)
            window->SetTabOrder(std::exchange(window->pendingTabOrder_, -1));
        window->DestroyHandle();  // a window of its own, made without this parent
        if (handle_)
            window->CreateHandle();
    } else {
        controls_.push_back(control);
        control->Invalidate();
    }
    if (control->ParentFont())
        control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    control->UpdateAnchorRules();
    if (control->Align() != alNone || ArrangesAllChildren())
        AlignControl(control);
}

void TWinControl::RemoveControl(TControl* control)
{
    if (captureControl_ == control)
        SetCaptureControl(nullptr);
    const auto window = std::find(winControls_.begin(), winControls_.end(), control);
    if (window != winControls_.end()) {
        (*window)->DestroyHandle();
        Erase(winControls_, control);
        Erase(tabList_, control);
    } else {
        if (control->Visible())
            InvalidateChild(*control, true);
        Erase(controls_, control);
    }
    control->parent_ = nullptr;
    if (control->Align() != alNone || ArrangesAllChildren())
        Realign();
}

void TWinControl::SetZOrder(bool topMost)
{
    if (Parent()) {
        TControl::SetZOrder(topMost);
    } else if (handle_) {
        ::SetWindowPos(handle_.Get(), topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

void TWinControl::SetChildZOrder(TControl* control, bool topMost)
{
    if (auto* window = dynamic_cast<TWinControl*>(control)) {
        MoveToEnd(winControls_, window, topMost);
        if (window->HandleAllocated())
            ::SetWindowPos(window->Handle(), topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        MoveToEnd(controls_, control, topMost);
        control->Invalidate();
    }
}

HWND TWinControl::PrecedingWindow(const TWinControl* control) const
{
    auto it = std::find(winControls_.begin(), winControls_.end(), control);
    if (it != winControls_.end())
        for (++it; it != winControls_.end(); ++it)
            if ((*it)->HandleAllocated())
                return (*it)->handle_.Get();
    return HWND_TOP;
}

void TWinControl::SetCaptureControl(TControl* control)
{
    captureControl_ = control;
    if (control)
        ::SetCapture(Handle());
    else if (handle_ && ::GetCapture() == handle_.Get())
        ::ReleaseCapture();
}

TControl* TWinControl::CaptureControl() const
{
    return handle_ && ::GetCapture() == handle_.Get() ? captureControl_ : nullptr;
}

// ---- Bounds ----

TRect TWinControl::ClientRect()
{
    if (handle_ && !(!Parent() && ::IsIconic(handle_.Get()))) {
        RECT r{};
        ::GetClientRect(handle_.Get(), &r);
        return FromRECT(r);
    }
    return EstimatedClientRect();
}

TRect TWinControl::EstimatedClientRect()
{
    TCreateParams params;
    CreateParams(params);
    RECT frame{0, 0, 0, 0};
    ::AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
    return Rect(0, 0, std::max(0, Width() - int(frame.right - frame.left)),
                std::max(0, Height() - int(frame.bottom - frame.top)));
}

TPoint TWinControl::ClientOrigin()
{
    POINT p{0, 0};
    ::ClientToScreen(Handle(), &p);
    return Point(p.x, p.y);
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    if (left == Left() && top == Top() && width == Width() && height == Height())
        return;
    if (handle_ && !(!Parent() && ::IsIconic(handle_.Get()))) {
        // The window reports its new bounds back (WM_WINDOWPOSCHANGED); the
        // system may have held it to its limits.
        ::SetWindowPos(handle_.Get(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateBounds();
    } else {
        const int oldWidth = Width(), oldHeight = Height();
        StoreBounds(left, top, width, height);
        BoundsChanged(oldWidth, oldHeight);
    }
    BoundsSetByCaller();
}

void TWinControl::UpdateBounds()
{
    if (!handle_ || (!Parent() && ::IsIconic(handle_.Get())))
        return;
    RECT r{};
    ::GetWindowRect(handle_.Get(), &r);
    // A child window without a parent control (an MDI child form) is placed in
    // its parent window's client area as well.
    HWND parentWindow = Parent() && Parent()->HandleAllocated() ? Parent()->handle_.Get() : nullptr;
    if (!parentWindow && (::GetWindowLongPtrA(handle_.Get(), GWL_STYLE) & WS_CHILD))
        parentWindow = ::GetParent(handle_.Get());
    if (parentWindow)
        ::MapWindowPoints(HWND_DESKTOP, parentWindow, reinterpret_cast<POINT*>(&r), 2);
    const int oldWidth = Width(), oldHeight = Height();
    StoreBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    BoundsChanged(oldWidth, oldHeight);
}

void TWinControl::BoundsChanged(int oldWidth, int oldHeight)
{
    if (Width() == oldWidth && Height() == oldHeight)
        return;
    Realign();
    if (!ComponentState().Contains(csLoading))
        Resize();
}

bool TWinControl::Showing()
{
    if (!Visible())
        return false;
    if (Parent())
        return Parent()->Showing();
    return handle_ && ::IsWindowVisible(handle_.Get());
}

std::string TWinControl::Text()
{
    if (!handle_)
        return TControl::Text();
    std::string text(size_t(::GetWindowTextLengthA(handle_.Get())) + 1, '\0');
    text.resize(size_t(::GetWindowTextA(handle_.Get(), &text[0], int(text.size()))));
    return text;
}

// ---- Focus and tab order ----

bool TWinControl::CanFocus()
{
    for (TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const { return handle_ && ::GetFocus() == handle_.Get(); }

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TWinControl::SetTabStop(bool value)
{
    if (value == tabStop_)
        return;
    tabStop_ = value;
    if (!handle_)
        return;
    LONG_PTR style = ::GetWindowLongPtrA(handle_.Get(), GWL_STYLE);
    style = value ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP);
    ::SetWindowLongPtrA(handle_.Get(), GWL_STYLE, style);
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return pendingTabOrder_;
    const auto& list = Parent()->tabList_;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    if (!Parent()) {
        pendingTabOrder_ = value;
        return;
    }
    auto& list = Parent()->tabList_;
    Erase(list, this);
    value = std::clamp(value, 0, int(list.size()));
    list.insert(list.begin() + value, this);
}

// ---- Painting ----

void TWinControl::Invalidate()
{
    if (handle_)
        ::InvalidateRect(handle_.Get(), nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Update()
{
    if (handle_)
        ::UpdateWindow(handle_.Get());
}

void TWinControl::InvalidateChild(const TControl& control, bool erase)
{
    if (!handle_)
        return;
    const RECT r = ToRECT(control.BoundsRect());
    ::InvalidateRect(handle_.Get(), &r, erase);
}

HBRUSH TWinControl::Brush()
{
    if (!brush_)
        brush_.Reset(::CreateSolidBrush(ColorToRGB(Color())));
    return brush_.Get();
}

void TWinControl::PaintControls(HDC dc, TControl* first)
{
    size_t i = 0;
    if (first) {
        const auto it = std::find(controls_.begin(), controls_.end(), first);
        i = it == controls_.end() ? 0 : size_t(it - controls_.begin());
    }
    // Index by index: a child's painting may change the list.
    for (; i < controls_.size(); ++i) {
        TControl* c = controls_[i];
        const RECT r = ToRECT(c->BoundsRect());
        if (!c->Visible() || !::RectVisible(dc, &r))
            continue;
        win::SavedDC saved(dc);
        ::OffsetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
        ::IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void TWinControl::PaintWindow(HDC dc)
{
    TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0};
    DefaultHandler(message);
}

void TWinControl::PaintHandler(HDC dc)
{
    {
        // Opaque graphic children cover their areas: the control leaves them out.
        win::SavedDC saved(dc);
        int clip = SIMPLEREGION;
        for (TControl* c : controls_) {
            if (c->Visible() && c->ControlStyle().Contains(csOpaque))
                clip = ::ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
            if (clip == NULLREGION)
                break;
        }
        if (clip != NULLREGION)
            PaintWindow(dc);
    }
    PaintControls(dc, nullptr);
}

void TWinControl::WMPaint(TMessage& message)
{
    // A DC handed in (a parent painting what lies behind a transparent child)
    // receives the same painting as the window's own.
    if (auto dc = reinterpret_cast<HDC>(message.WParam)) {
        PaintHandler(dc);
    } else {
        PaintScope paint(handle_.Get());
        PaintHandler(paint.DC());
    }
    message.Result = 0;
}

void TWinControl::WMEraseBkgnd(TMessage& message)
{
    const RECT r = ToRECT(ClientRect());
    ::FillRect(reinterpret_cast<HDC>(message.WParam), &r, Brush());
    message.Result = 1;
}

// ---- Messages ----

void TWinControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
        WMPaint(message);
        break;
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        break;
    case WM_SIZE:
        WMSize(message);
        break;
    case WM_MOVE:
        WMMove(message);
        break;
    case WM_WINDOWPOSCHANGED:
        WMWindowPosChanged(message);
        break;
    case WM_DESTROY:
        WMDestroy(message);
        break;
    case WM_SETCURSOR:
        WMSetCursor(message);
        break;
    case WM_MOUSEMOVE:
        WMMouseMove(message);
        break;
    case WM_MOUSELEAVE:
        WMMouseLeave(message);
        break;
    case WM_CAPTURECHANGED:
        WMCaptureChanged(message);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        if (!IsControlMouseMsg(message))
            TControl::WndProc(message);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        WMKeyDown(message);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        WMKeyUp(message);
        break;
    case WM_CHAR:
        WMChar(message);
        break;
    case WM_SETFOCUS:
        WMSetFocus(message);
        break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        CNKeyDown(message);
        break;
    case CN_CHAR:
        CNChar(message);
        break;
    case CN_SYSCHAR:
        CNSysChar(message);
        break;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(message);
        break;
    case WM_COMMAND:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        ReflectToChild(reinterpret_cast<HWND>(message.LParam), message);
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        ReflectToChild(header ? header->hwndFrom : nullptr, message);
        break;
    }
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC:
        CNCtlColor(message);
        break;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(message);
        break;
    case CM_ENABLEDCHANGED:
        CMEnabledChanged(message);
        break;
    case CM_FONTCHANGED:
        CMFontChanged(message);
        break;
    case CM_COLORCHANGED:
        CMColorChanged(message);
        break;
    default:
        TControl::WndProc(message);
    }
}

void TWinControl::WMSize(TMessage& message)
{
    DefaultHandler(message);
    // A minimized window's client area is no size for its children.
    if (message.WParam != SIZE_MINIMIZED)
        UpdateBounds();
}

void TWinControl::WMMove(TMessage& message)
{
    DefaultHandler(message);
    UpdateBounds();
}

void TWinControl::WMWindowPosChanged(TMessage& message)
{
    DefaultHandler(message);
    UpdateBounds();
}

void TWinControl::WMDestroy(TMessage& message)
{
    // Destroyed with its parent or from outside: the text outlives the window.
    text_ = Text();
    DefaultHandler(message);
}

void TWinControl::WMSetCursor(TMessage& message)
{
    if (reinterpret_cast<HWND>(message.WParam) == handle_.Get() && LOWORD(message.LParam) == HTCLIENT) {
        TCursor cursor = Screen().Cursor();
        if (cursor == crDefault) {
            POINT p{};
            ::GetCursorPos(&p);
            const TControl* child = ControlAtPos(ScreenToClient(Point(p.x, p.y)), false);
            if (child && child->Cursor() != crDefault)
                cursor = child->Cursor();
            else
                cursor = Cursor();
        }
        if (cursor != crDefault) {
            ::SetCursor(Screen().Cursors(cursor));
            message.Result = TRUE;
            return;
        }
    }
    DefaultHandler(message);
}

void TWinControl::WMMouseMove(TMessage& message)
{
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_.Get(), 0};
        trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
    }
    const TPoint p = MousePos(message);
    POINT screen{p.X, p.Y};
    ::ClientToScreen(handle_.Get(), &screen);
    Application().MouseAt(FindDragTarget(Point(screen.x, screen.y), false), Point(screen.x, screen.y));
    if (!IsControlMouseMsg(message))
        TControl::WndProc(message);
}

void TWinControl::WMMouseLeave(TMessage& message)
{
    trackingLeave_ = false;
    // The cursor left the window: for another window of the program, or for none.
    POINT p{};
    ::GetCursorPos(&p);
    Application().MouseAt(FindDragTarget(Point(p.x, p.y), false), Point(p.x, p.y));
    DefaultHandler(message);
}

void TWinControl::WMCaptureChanged(TMessage& message)
{
    if (reinterpret_cast<HWND>(message.LParam) != handle_.Get())
        captureControl_ = nullptr;
    DefaultHandler(message);
}

bool TWinControl::IsControlMouseMsg(TMessage& message)
{
    const TPoint p = MousePos(message);
    TControl* target = CaptureControl();
    if (!target)
        target = ControlAtPos(p, false);
    if (!target)
        return false;
    UINT msg = message.Msg;
    if (!target->ControlStyle().Contains(csDoubleClicks)) {
        if (msg == WM_LBUTTONDBLCLK)
            msg = WM_LBUTTONDOWN;
        else if (msg == WM_RBUTTONDBLCLK)
            msg = WM_RBUTTONDOWN;
        else if (msg == WM_MBUTTONDBLCLK)
            msg = WM_MBUTTONDOWN;
    }
    message.Result = target->Perform(msg, message.WParam, PointToLParam(Point(p.X - target->Left(), p.Y - target->Top())));
    return true;
}

void TWinControl::WMKeyDown(TMessage& message)
{
    auto key = WORD(message.WParam);
    const TShiftState shift = KeyboardShiftState();
    if (TWinControl* form = KeyPreviewer(this))
        form->KeyDown(key, shift);
    if (key != 0)
        KeyDown(key, shift);
    if (key == 0)
        return;
    message.WParam = key;
    DefaultHandler(message);
}

void TWinControl::WMKeyUp(TMessage& message)
{
    auto key = WORD(message.WParam);
    const TShiftState shift = KeyboardShiftState();
    if (TWinControl* form = KeyPreviewer(this))
        form->KeyUp(key, shift);
    if (key != 0)
        KeyUp(key, shift);
    if (key == 0)
        return;
    message.WParam = key;
    DefaultHandler(message);
}

void TWinControl::WMChar(TMessage& message)
{
    auto key = char(message.WParam);
    if (TWinControl* form = KeyPreviewer(this))
        form->KeyPress(key);
    if (key != '\0')
        KeyPress(key);
    if (key == '\0')
        return;
    message.WParam = static_cast<unsigned char>(key);
    DefaultHandler(message);
}

void TWinControl::KeyDown(WORD& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::ReflectToChild(HWND child, TMessage& message)
{
    TWinControl* control = FindControl(child);
    if (control && control != this)
        message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    else
        DefaultHandler(message);
}

void TWinControl::CNCtlColor(TMessage& message)
{
    // A child that does not colour itself takes its font colour and Color.
    const auto dc = reinterpret_cast<HDC>(message.WParam);
    ::SetTextColor(dc, ColorToRGB(Font().Color()));
    ::SetBkColor(dc, ColorToRGB(Color()));
    message.Result = reinterpret_cast<LRESULT>(Brush());
}

void TWinControl::CMVisibleChanged(TMessage&)
{
    if (handle_)
        ::ShowWindow(handle_.Get(), !Visible() ? SW_HIDE : Parent() ? SW_SHOWNOACTIVATE : SW_SHOW);
}

void TWinControl::CMEnabledChanged(TMessage& message)
{
    if (handle_)
        ::EnableWindow(handle_.Get(), Enabled());
    TControl::WndProc(message);
}

void TWinControl::CMFontChanged(TMessage& message)
{
    if (handle_) {
        // Font's own object is deleted right after this notice: the window gets
        // a copy's, and the copy before lives on until the window has let go.
        auto font = std::make_unique<TFont>();
        font->Assign(Font());
        Perform(WM_SETFONT, reinterpret_cast<WPARAM>(font->Handle()), TRUE);
        windowFont_ = std::move(font);
    }
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->Perform(CM_PARENTFONTCHANGED, 0, 0);
    TControl::WndProc(message);
}

void TWinControl::CMColorChanged(TMessage& message)
{
    brush_.Reset();
    TControl::WndProc(message);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    Realign();
}

}  // namespace gui
