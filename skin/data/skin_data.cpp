#include "skin/data/skin_data.h"

#include <algorithm>
#include <vector>

#include "gui/controls/form.h"
#include "gui/controls/screen.h"
#include "gui/core/mem_ini_file.h"
#include "gui/core/memory_stream.h"
#include "gui/core/scope_exit.h"
#include "skin/data/skin_messages.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/skin_pictures.h"
#include "skin/model/stored_skin.h"

namespace sk {

namespace {

// Keeps a reference to a skin source, watched so that it drops when the source
// goes, and loads the source at once unless the skin data is being designed. The
// skin must stand before the controls of a form that is still being built read it.
template <typename Source, typename Load>
void AssignSource(gui::TComponent& skinData, Source*& reference, Source* value, Load load)
{
    reference = value;
    if (!value)
        return;
    skinData.FreeNotification(value);
    if (!skinData.ComponentState().Contains(gui::csDesigning))
        load(*value);
}

}  // namespace

TskSkinData::TskSkinData(gui::TComponent* owner) : TComponent(owner) {}

TskSkinData::~TskSkinData()
{
    empty_ = true;
    // The controls still drawing from the skin let go of its pictures before
    // they are freed; they drop the skin data itself when it has gone.
    ReleaseClients();
    ClearSkinRecords();
}

void TskSkinData::SetStoredSkin(TskStoredSkin* value)
{
    AssignSource(*this, storedSkin_, value, [this](TskStoredSkin& skin) { LoadStoredSkin(skin); });
}

void TskSkinData::SetCompressedStoredSkin(TskCompressedStoredSkin* value)
{
    AssignSource(*this, compressedStoredSkin_, value,
                 [this](TskCompressedStoredSkin& skin) { LoadCompressedStoredSkin(skin); });
}

void TskSkinData::Notification(gui::TComponent* component, gui::TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == storedSkin_)
        storedSkin_ = nullptr;
    if (component == compressedStoredSkin_)
        compressedStoredSkin_ = nullptr;
    RemoveClient(*component);
}

void TskSkinData::AddClient(gui::TComponent& component, TskSkinClient& client)
{
    RemoveClient(component);
    clients_.push_back({&component, &client});
}

void TskSkinData::RemoveClient(gui::TComponent& component)
{
    clients_.erase(std::remove_if(clients_.begin(), clients_.end(),
                                  [&](const Client& c) { return c.component == &component; }),
                   clients_.end());
}

void TskSkinData::ClientReached(gui::TComponent& component)
{
    if (reached_)
        reached_->push_back(&component);
}

gui::TBitmap* TskSkinData::ActivePicture(int index)
{
    return index >= 0 && index < activePictures_.Count() ? activePictures_[index] : nullptr;
}

void TskSkinData::BroadcastSkinMessage(UINT msg)
{
    // A form's handler may load a skin again: each message keeps its own record
    // of the controls the walks reached.
    std::vector<gui::TComponent*> reached;
    {
        const auto restore = gui::ScopeExit([this, outer = reached_] { reached_ = outer; });
        reached_ = &reached;
        SendSkinMessage(msg);
    }
    ReachClients(msg, reached);
}

void TskSkinData::SendSkinMessage(UINT msg)
{
    auto* ownerForm = dynamic_cast<gui::TForm*>(Owner());
    if (!ownerForm)
        return;
    const auto skinData = reinterpret_cast<WPARAM>(this);
    ::SendMessageA(ownerForm->Handle(), msg, skinData, kSkinMessageParam);
    // A form's handler may create or destroy forms: walk the list as it stood and
    // pass over those that have gone since.
    gui::TScreen& screen = gui::Screen();
    std::vector<gui::TForm*> forms;
    for (int i = 0; i < screen.FormCount(); ++i)
        forms.push_back(screen.Forms(i));
    for (gui::TForm* form : forms)
        if (form != ownerForm && screen.IndexOfForm(form) >= 0)
            ::SendMessageA(form->Handle(), msg, skinData, kSkinMessageParam);
}

void TskSkinData::ReachClients(UINT msg, const std::vector<gui::TComponent*>& reached)
{
    if (msg != WM_SKINCHANGING && msg != WM_SKINCHANGED)
        return;
    // A control's handling may bind, unbind or destroy controls: walk the list as
    // it stood and pass over those no longer bound.
    const std::vector<Client> clients = clients_;
    for (const Client& c : clients) {
        if (std::find(reached.begin(), reached.end(), c.component) != reached.end())
            continue;
        const bool bound = std::any_of(clients_.begin(), clients_.end(), [&](const Client& now) {
            return now.component == c.component && now.client == c.client;
        });
        if (!bound || c.component->ComponentState().Contains(gui::csDestroying))
            continue;
        if (msg == WM_SKINCHANGING)
            c.client->ReleaseSkin();
        else
            c.client->ApplySkin();
    }
}

void TskSkinData::ReleaseClients()
{
    ReachClients(WM_SKINCHANGING, {});
}

template <typename Load>
void TskSkinData::Reload(Load load)
{
    empty_ = true;
    BroadcastSkinMessage(WM_SKINCHANGING);
    ClearSkin();
    try {
        empty_ = !load();
    } catch (...) {
        // No half-loaded skin stays behind, and the forms that were told of the
        // change always learn that it is over.
        ClearSkin();
        BroadcastSkinMessage(WM_SKINCHANGED);
        BroadcastSkinMessage(WM_SKINAFTERCHANGE);
        throw;
    }
    BroadcastSkinMessage(WM_SKINCHANGED);
    BroadcastSkinMessage(WM_SKINAFTERCHANGE);
}

void TskSkinData::LoadStoredSkin(TskStoredSkin& skin)
{
    Reload([&] {
        CheckSkinDescriptionSize(skin.IniStrings());
        gui::TMemIniFile ini;
        ini.SetStrings(skin.IniStrings());
        if (!CheckSkinSections(ini))
            return false;
        AssignPictures(skin.Pictures());
        ReadStoredSkinDescription(ini);
        return true;
    });
}

void TskSkinData::LoadCompressedStoredSkin(TskCompressedStoredSkin& skin)
{
    if (skin.IsEmpty())
        return;
    Reload([&] {
        TskSkinPictures pictures;
        gui::TStringList lines;
        {
            gui::TMemoryStream payload;
            skin.Decompress(payload);
            payload.SetPosition(0);
            if (!ReadSkinPayload(payload, pictures, lines))
                return false;
        }
        // A description without the sections every skin has would leave the forms
        // half drawn: the skin stays empty, as a stored skin's does.
        gui::TMemIniFile ini;
        ini.SetStrings(lines);
        if (!CheckSkinSections(ini))
            return false;
        AssignPictures(pictures);
        ReadCompressedSkinDescription(ini);
        return true;
    });
}

void TskSkinData::AssignPictures(const TskSkinPictures& pictures)
{
    picture_.LoadFromImage(pictures.Picture);
    mask_.LoadFromImage(pictures.Mask);
    rollUpPicture_.LoadFromImage(pictures.RollUpPicture);
    rollUpMask_.LoadFromImage(pictures.RollUpMask);
    for (const gui::BmpImage& image : pictures.ActivePictures) {
        auto bitmap = std::make_unique<gui::TBitmap>();
        bitmap->LoadFromImage(image);
        activePictures_.Add(std::move(bitmap));
    }
}

void TskSkinData::ClearSkinRecords()
{
    ClearRecords();
    activePictures_.Clear();
}

void TskSkinData::ClearSkin()
{
    ClearSkinRecords();
    for (gui::TBitmap* bitmap : {&picture_, &mask_, &rollUpPicture_, &rollUpMask_})
        bitmap->SetSize(0, 0);
    empty_ = true;
}

}  // namespace sk
