// The skin in memory: the pictures of one skin and its parsed description, filled
// from a stored or a compressed skin and shared by reference by every skinned form
// and control. Each load replaces the whole skin and is announced to the forms:
// WM_SKINCHANGING before the old skin goes, WM_SKINCHANGED and WM_SKINAFTERCHANGE
// when the new one stands (or the load failed and the skin is empty), first to the
// form that owns the skin data, then to every other form in creation order.
#pragma once

#include <windows.h>

#include "gui/core/component.h"
#include "gui/core/object_list.h"
#include "gui/graphics/bitmap.h"
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
    void BroadcastSkinMessage(UINT msg);

    void ClearSkinRecords();  // the model's records and the active pictures
    void ClearSkin();         // also the four pictures; Empty afterwards

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    template <typename Load>
    void Reload(Load load);
    void AssignPictures(const TskSkinPictures& pictures);

    TskStoredSkin* storedSkin_ = nullptr;
    TskCompressedStoredSkin* compressedStoredSkin_ = nullptr;
    bool empty_ = true;
    gui::TBitmap picture_, mask_, rollUpPicture_, rollUpMask_;
    gui::TObjectList<gui::TBitmap> activePictures_;
};

}  // namespace sk
