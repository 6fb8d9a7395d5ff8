// One CDDB record of a drive: a view on the drive's match of its index, valid while
// the drive keeps its match list (until the next lookup or disc change).
#pragma once

#include <memory>

#include "com/com_object.h"
#include "com/dispatch.h"
#include "objects/object_model.h"

namespace velmora {

struct DriveLink;

class CDDBRecord final
    : public com::ComObject<CDDBRecord, com::DispatchImpl<ICDDBRecord>, ISupportErrorInfo> {
public:
    CDDBRecord(std::shared_ptr<DriveLink> link, int index) : link_(std::move(link)), index_(index) {}

    STDMETHODIMP get_Description(BSTR* result) override;
    STDMETHODIMP SetActive() override;
    STDMETHODIMP get_RawData(BSTR* result) override;
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override;

private:
    std::shared_ptr<DriveLink> link_;
    int index_;
};

}  // namespace velmora
