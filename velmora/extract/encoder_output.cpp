#include "extract/encoder_output.h"

#include <ocidl.h>

#include "cddb/record_tags.h"
#include "extract/directory_path.h"
#include "extract/failure_text.h"
#include "extract/wav_writer.h"

namespace velmora {

std::wstring ErrorInfoText(const std::wstring& fallback)
{
    win::ComPtr<IErrorInfo> info;
    if (::GetErrorInfo(0, info.Put()) == S_OK && info) {
        win::UniqueBstr description;
        if (SUCCEEDED(info->GetDescription(description.Put())) && description.Get())
            return std::wstring(description.Get(), description.Length());
    }
    return fallback;
}

std::wstring OpenEncoder(IVelAudioEncoder* encoder, const std::wstring& target,
                         const volatile LONG* cancelRequested)
{
    CreateDirectoryPath(DirectoryPart(target), cancelRequested);
    if (cancelRequested && *cancelRequested)
        return L"Cancelled by user.";
    win::UniqueBstr name(target.c_str(), static_cast<UINT>(target.size()));
    ::SetErrorInfo(0, nullptr);
    const HRESULT opened = encoder->Open(name.Get());
    if (FAILED(opened))
        return ErrorInfoText(
            FailureText(L"Internal error #7653. External encoder was unable to start.", target, opened));
    WAVEFORMATEX format = CdAudioFormat();
    ::SetErrorInfo(0, nullptr);
    if (FAILED(encoder->SetInputFormatWFX(&format)))
        return ErrorInfoText(L"Internal error #7654. Cannot start encoding.");
    return std::wstring();
}

std::wstring WriteFailureText(const std::wstring& reported, const std::wstring& target, HRESULT reason)
{
    if (!reported.empty())
        return reported;
    return FailureText(L"Internal error #7655. Error writing to external encoder.", target, reason);
}

void WriteEncoderTags(IVelAudioEncoder* encoder, const std::wstring& recordText,
                      int trackIndex)
{
    win::ComPtr<IAudioTag> tag;
    if (FAILED(encoder->QueryInterface(IID_IAudioTag, reinterpret_cast<void**>(tag.Put()))) || !tag)
        return;
    const RecordTags tags = TagsFromRecord(recordText, trackIndex);
    auto put = [](auto setter, const std::wstring& value) {
        win::UniqueBstr text(value.c_str(), static_cast<UINT>(value.size()));
        setter(text.Get());
    };
    put([&](BSTR v) { return tag->put_Title(v); }, tags.title);
    put([&](BSTR v) { return tag->put_Artist(v); }, tags.artist);
    put([&](BSTR v) { return tag->put_Album(v); }, tags.album);
    put([&](BSTR v) { return tag->put_Year(v); }, tags.year);
    put([&](BSTR v) { return tag->put_Genre(v); }, tags.genre);
    put([&](BSTR v) { return tag->put_TrackNo(v); }, tags.trackNo);
}

void EncoderEventConnection::Connect(const TaskEncoder& encoder, IDispatch* sink)
{
    Disconnect();
    encoder.Call([&](IVelAudioEncoder* object) {
        win::ComPtr<IConnectionPointContainer> container;
        if (FAILED(object->QueryInterface(IID_IConnectionPointContainer,
                                          reinterpret_cast<void**>(container.Put()))))
            return;
        win::ComPtr<IConnectionPoint> point;
        if (FAILED(container->FindConnectionPoint(DIID__IVelAudioEncoderEvents, point.Put())))
            return;
        if (SUCCEEDED(point->Advise(sink, &cookie_)))
            point_ = point;
    });
    site_ = encoder.Site();
}

void EncoderEventConnection::Disconnect()
{
    if (!point_)
        return;
    // Left as it is when the encoder's thread is gone: nothing can be called there.
    if (!site_.Run([&] {
            point_->Unadvise(cookie_);
            point_.Reset();
        }))
        point_.Detach();
}

}  // namespace velmora
