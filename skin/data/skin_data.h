// The skin in memory: the pictures of one skin and its parsed description, filled
// from a stored or a compressed skin and shared by reference by every skinned form
// and control. Each load replaces the whole skin and is announced to the forms:
// WM_SKINCHANGING before the old skin goes, WM_SKINCHANGED and WM_SKINAFTERCHANGE
// when the new one stands (or the load failed and the skin is empty), first to the
// form that owns the skin data, then to every other form in creation order.
//
// The skin data also keeps the skinned controls bound to it. A form skinning
// engine walks its form's controls on those messages; every bound control that no
// such walk reached (one on a form without an engine, or on no form at all) is
// told by the skin data itself once the forms have handled the message, so that
// none paints from pictures already freed or misses the new skin.
#pragma once

#include <windows.h>

#include <vector>

#include "gui/core/component.h"
#include "gui/core/object_list.h"
#include "gui/graphics/bitmap.h"
#include "skin/data/skin_client.h"
#include "skin/model/skin_model.h"

namespace sk {

class TskStoredSkin;
class TskCompressedStoredSkin;
struct TskSkinPictures;

class TskSkinData : public gui::TComponent, public TskSkinModel {
public:
    explicit TskSkinData(gui::TComponent* owner);
    ~TskSkinData() override;

    // Assigning a source loads it at once; the reference is dropped when the
    // source is destroyed.
    TskStoredSkin* StoredSkin() const { return storedSkin_; }
    void SetStoredSkin(TskStoredSkin* value);
    TskCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
    void SetCompressedStoredSkin(TskCompressedStoredSkin* value);

    // True while no skin is loaded: skinned forms and controls draw their default look.
    bool Empty() const { return empty_; }

    gui::TBitmap& Picture() { return picture_; }
    gui::TBitmap& Mask() { return mask_; }  // black is inside
    gui::TBitmap& RollUpPicture() { return rollUpPicture_; }
    gui::TBitmap& RollUpMask() { return rollUpMask_; }
    // The further pictures, which every "...pictureindex" of the description counts in.
    gui::TObjectList<gui::TBitmap>& ActivePictures() { return activePictures_; }
    // The active picture at index, or none for -1 or any index outside the list.
    gui::TBitmap* ActivePicture(int index);

    // Replace the skin. A load that fails part way leaves the skin empty, still
    // sends the closing messages, then raises.
    void LoadStoredSkin(TskStoredSkin& skin);
    void LoadCompressedStoredSkin(TskCompressedStoredSkin& skin);  // an empty blob loads nothing
    // Sends the message to the forms; for WM_SKINCHANGING and WM_SKINCHANGED then
    // releases or applies the skin of every bound control no form's walk reached.
    void BroadcastSkinMessage(UINT msg);

    // The controls drawing from this skin, kept as they bind to it and unbind.
    void AddClient(gui::TComponent& component, TskSkinClient& client);
    void RemoveClient(gui::TComponent& component);
    // A form's walk over its controls has just released or applied the skin of
    // this bound control for the message going out: the skin data leaves it be.
    void ClientReached(gui::TComponent& component);

    void ClearSkinRecords();  // the model's records and the active pictures
    void ClearSkin();         // also the four pictures; Empty afterwards

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    template <typename Load>
    void Reload(Load load);
    void AssignPictures(const TskSkinPictures& pictures);
    void SendSkinMessage(UINT msg);
    void ReachClients(UINT msg, const std::vector<gui::TComponent*>& reached);
    void ReleaseClients();  // every bound control lets go of the skin

    struct Client {
        gui::TComponent* component;
        TskSkinClient* client;
    };

    TskStoredSkin* storedSkin_ = nullptr;
    TskCompressedStoredSkin* compressedStoredSkin_ = nullptr;
    bool empty_ = true;
    gui::TBitmap picture_, mask_, rollUpPicture_, rollUpMask_;
    gui::TObjectList<gui::TBitmap> activePictures_;
    std::vector<Client> clients_;  // in the order they bound
    // While a skin message goes out: the bound controls the forms' walks reached.
    std::vector<gui::TComponent*>* reached_ = nullptr;
};

}  // namespace sk
