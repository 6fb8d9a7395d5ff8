#include "gui/core/strings.h"

#include <algorithm>

#include "gui/core/exceptions.h"
#include "gui/core/file_stream.h"
#include "gui/core/memory_stream.h"
#include "gui/core/string_utils.h"

namespace gui {

void TStrings::IndexError(int32_t index)
{
    throw EListError("List index out of bounds (" + IntToStr(index) + ")");
}

int32_t TStrings::Add(const std::string& text)
{
    const int32_t index = Count();
    Insert(index, text);
    return index;
}

int32_t TStrings::IndexOf(const std::string& text) const
{
    for (int32_t i = 0; i < Count(); ++i)
        if (SameText(Get(i), text))
            return i;
    return -1;
}

void TStrings::AddStrings(const TStrings& strings)
{
    const int32_t n = strings.Count();  // the source may be this list
    for (int32_t i = 0; i < n; ++i)
        Add(strings.Get(i));
}

void TStrings::Assign(const TStrings& strings)
{
    if (&strings == this)
        return;
    Clear();
    AddStrings(strings);
}

std::string TStrings::Text() const
{
    std::string text;
    for (int32_t i = 0; i < Count(); ++i)
        text += Get(i) + "\r\n";
    return text;
}

void TStrings::SetText(const std::string& text)
{
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            Add(text.substr(start));
            break;
        }
        Add(text.substr(start, end - start));
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

std::string TStrings::Names(int32_t index) const
{
    const std::string line = Get(index);
    const size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int32_t index) const
{
    const std::string line = Get(index);
    const size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

int32_t TStrings::IndexOfName(const std::string& name) const
{
    for (int32_t i = 0; i < Count(); ++i) {
        const std::string line = Get(i);
        const size_t eq = line.find('=');
        if (eq != std::string::npos && SameText(line.substr(0, eq), name))
            return i;
    }
    return -1;
}

std::string TStrings::Values(const std::string& name) const
{
    const int32_t i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValues(const std::string& name, const std::string& value)
{
    const int32_t i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0)
            Delete(i);
    } else if (i >= 0) {
        Put(i, name + "=" + value);
    } else {
        Add(name + "=" + value);
    }
}

void TStrings::LoadFromStream(TStream& stream)
{
    const int64_t left = stream.Size() - stream.Position();
    std::string text(static_cast<size_t>(std::max<int64_t>(0, left)), '\0');
    if (!text.empty())
        stream.ReadBuffer(&text[0], static_cast<int32_t>(text.size()));
    SetText(text);
}

void TStrings::SaveToStream(TStream& stream) const
{
    const std::string text = Text();
    stream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(file);
}

void TStrings::SaveToFile(const std::string& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

TStringList::TStringList(std::initializer_list<std::string> lines) : lines_(lines) {}

void TStringList::CheckIndex(int32_t index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
}

std::string TStringList::Get(int32_t index) const
{
    CheckIndex(index);
    return lines_[static_cast<size_t>(index)];
}

void TStringList::Put(int32_t index, const std::string& text)
{
    CheckIndex(index);
    lines_[static_cast<size_t>(index)] = text;
}

void TStringList::Insert(int32_t index, const std::string& text)
{
    if (index < 0 || index > Count())
        IndexError(index);
    lines_.insert(lines_.begin() + index, text);
}

void TStringList::Delete(int32_t index)
{
    CheckIndex(index);
    lines_.erase(lines_.begin() + index);
}

}  // namespace gui
