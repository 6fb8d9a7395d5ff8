// One track of the disc in a drive. It answers from the drive's current table of
// contents by its index, so a track held across a disc change describes the new
// disc's track of that index (or is gone when the new disc has fewer tracks).
#pragma once

#include <memory>

#include "com/com_object.h"
#include "com/dispatch.h"
#include "objects/object_model.h"
#include "transport/drive_record.h"

namespace velmora {

struct DriveLink;

class Track final : public com::ComObject<Track, com::DispatchImpl<ITrack>, ISupportErrorInfo> {
public:
    Track(std::shared_ptr<DriveRecord> record, std::shared_ptr<DriveLink> link, int index);

    STDMETHODIMP get_Duration(LONG* result) override;
    STDMETHODIMP get_Size(LONG* result) override;
    STDMETHODIMP get_IsAudio(VARIANT_BOOL* result) override;
    STDMETHODIMP ExtractToWav(BSTR filename) override;
    STDMETHODIMP ExtractToEncoder(BSTR filename, VARIANT_BOOL writeTag) override;
    STDMETHODIMP QueueExtractToWav(BSTR filename) override;
    STDMETHODIMP QueueExtractToEncoder(BSTR filename, VARIANT_BOOL writeTag) override;
    STDMETHODIMP GenerateFilename(BSTR templ, BSTR* result) override;
    STDMETHODIMP get_UnreadableSectors(LONG* result) override;

    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override;

    int Index() const { return index_; }

private:
    HRESULT NoSuchTrack() const;
    // The track's length in sectors, times `multiplier`, divided by `divisor`.
    HRESULT Length(LONG* result, int32_t multiplier, int32_t divisor) const;
    HRESULT Extract(BSTR filename, bool encoder, VARIANT_BOOL writeTag, bool queue);

    std::shared_ptr<DriveRecord> record_;
    std::shared_ptr<DriveLink> link_;
    int index_;
};

}  // namespace velmora
