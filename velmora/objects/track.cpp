#include "objects/track.h"

#include "com/error_info.h"
#include "extract/extraction.h"
#include "extract/target_path.h"
#include "objects/drive.h"

namespace velmora {

Track::Track(std::shared_ptr<DriveRecord> record, std::shared_ptr<DriveLink> link, int index)
    : record_(std::move(record)), link_(std::move(link)), index_(index)
{
}

STDMETHODIMP Track::InterfaceSupportsErrorInfo(REFIID riid)
{
    return riid == IID_ITrack ? S_OK : S_FALSE;
}

HRESULT Track::NoSuchTrack() const
{
    return com::ReportError(IID_ITrack, L"No such track on the disk");
}

HRESULT Track::Length(LONG* result, int32_t multiplier, int32_t divisor) const
{
    if (!result)
        return E_POINTER;
    // The range a rip reads, so that Size is the bytes it writes. A track the table
    // gives no readable place is refused, as its rip is.
    TrackRange range;
    {
        std::lock_guard<std::mutex> guard(record_->lock);
        if (!TrackReadRange(record_->toc, index_, range))
            return NoSuchTrack();
    }
    // At most 100 minutes: the bytes fit in 32 bits.
    *result = static_cast<LONG>(int64_t(range.Sectors()) * multiplier / divisor);
    return S_OK;
}

STDMETHODIMP Track::get_Duration(LONG* result) { return Length(result, 1, 75); }

STDMETHODIMP Track::get_Size(LONG* result) { return Length(result, 2352, 1); }

STDMETHODIMP Track::get_IsAudio(VARIANT_BOOL* result)
{
    if (!result)
        return E_POINTER;
    std::lock_guard<std::mutex> guard(record_->lock);
    if (index_ + 1 >= record_->toc.count)
        return NoSuchTrack();
    *result = record_->toc.IsAudioRow(index_) ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT Track::Extract(BSTR filename, bool encoder, VARIANT_BOOL writeTag, bool queue)
{
    Drive* drive = link_->drive;
    RipperHost* host = drive ? drive->Host() : nullptr;
    if (!host)
        return com::ReportError(IID_ITrack, L"The drive is no longer available.");
    ExtractionTask task;
    task.drive = record_;
    {
        std::lock_guard<std::mutex> guard(record_->lock);
        task.disc.assign(record_->storedToc, record_->storedToc + kTocAnswerSize);
    }
    task.trackIndex = index_;
    task.kind = encoder ? ExtractionTask::Kind::Encoder : ExtractionTask::Kind::Wav;
    // A relative name means the current directory of now, not of when the task runs.
    task.target = ResolveTarget(filename ? std::wstring(filename, ::SysStringLen(filename)) : std::wstring());
    // Tags need an active CDDB record; its text is copied, since a lookup or a disc
    // change may replace the record while the task waits.
    task.writeTag = encoder && writeTag && drive->ActiveRecordText(task.record);
    return host->Extract(std::move(task), queue, IID_ITrack);
}

STDMETHODIMP Track::ExtractToWav(BSTR filename)
{
    return Extract(filename, false, VARIANT_FALSE, false);
}

STDMETHODIMP Track::ExtractToEncoder(BSTR filename, VARIANT_BOOL writeTag)
{
    return Extract(filename, true, writeTag, false);
}

STDMETHODIMP Track::QueueExtractToWav(BSTR filename)
{
    return Extract(filename, false, VARIANT_FALSE, true);
}

STDMETHODIMP Track::QueueExtractToEncoder(BSTR filename, VARIANT_BOOL writeTag)
{
    return Extract(filename, true, writeTag, true);
}

STDMETHODIMP Track::get_UnreadableSectors(LONG* result)
{
    if (!result)
        return E_POINTER;
    std::lock_guard<std::mutex> guard(record_->lock);
    // The extraction reads the track's own row, whatever its number.
    if (index_ + 1 >= record_->toc.count)
        return NoSuchTrack();
    *result = record_->toc.unreadableSectors[index_];
    return S_OK;
}

STDMETHODIMP Track::GenerateFilename(BSTR templ, BSTR* result)
{
    if (!result)
        return E_POINTER;
    *result = nullptr;
    Drive* drive = link_->drive;
    if (!drive)
        return com::ReportError(IID_ITrack, L"No active CDDB record.");
    std::wstring name;
    const std::wstring error = drive->GenerateFilename(
        index_, templ ? std::wstring(templ, ::SysStringLen(templ)) : std::wstring(), name);
    if (!error.empty())
        return com::ReportError(IID_ITrack, error.c_str());
    *result = ::SysAllocStringLen(name.data(), static_cast<UINT>(name.size()));
    return *result ? S_OK : E_OUTOFMEMORY;
}

}  // namespace velmora
