#include "server/registrar.h"

#include <cwctype>
#include <memory>
#include <vector>

namespace velmora {
namespace {

struct ValueNode {
    std::wstring name;  // empty: the key's default value
    wchar_t type = L's';
    std::wstring data;
};

struct KeyNode {
    enum class Flag { Plain, NoRemove, ForceRemove, Delete } flag = Flag::Plain;
    std::wstring name;
    bool hasDefault = false;
    ValueNode defaultValue;
    std::vector<ValueNode> values;
    std::vector<KeyNode> keys;
};

class Parser {
public:
    Parser(const std::wstring& text, const std::map<std::wstring, std::wstring>& variables)
        : text_(text), variables_(variables)
    {
    }

    bool ParseScript(std::vector<KeyNode>& roots)
    {
        while (Next()) {
            if (token_ != L"HKCR" && token_ != L"HKEY_CLASSES_ROOT")
                return false;
            KeyNode root;
            if (!Next() || token_ != L"{" || !ParseBody(root))
                return false;
            roots.push_back(std::move(root));
        }
        return ok_;
    }

private:
    // Reads the keys and values up to the closing brace.
    bool ParseBody(KeyNode& parent)
    {
        while (Next()) {
            if (token_ == L"}")
                return true;
            if (token_ == L"val") {
                ValueNode value;
                if (!Next() || !Name(value.name) || !Next() || token_ != L"=" || !ParseValue(value))
                    return false;
                parent.values.push_back(std::move(value));
                continue;
            }
            KeyNode key;
            if (token_ == L"NoRemove" || token_ == L"ForceRemove" || token_ == L"Delete") {
                key.flag = token_ == L"NoRemove"      ? KeyNode::Flag::NoRemove
                           : token_ == L"ForceRemove" ? KeyNode::Flag::ForceRemove
                                                      : KeyNode::Flag::Delete;
                if (!Next())
                    return false;
            }
            if (!Name(key.name))
                return false;
            if (Peek() == L'=') {
                Next();
                key.hasDefault = true;
                if (!ParseValue(key.defaultValue))
                    return false;
            }
            if (Peek() == L'{') {
                Next();
                if (!ParseBody(key))
                    return false;
            }
            parent.keys.push_back(std::move(key));
        }
        return false;  // no closing brace
    }

    bool ParseValue(ValueNode& value)
    {
        if (!Next() || (token_ != L"s" && token_ != L"d"))
            return false;
        value.type = token_[0];
        return Next() && quoted_ && Expand(token_, value.data);
    }

    bool Name(std::wstring& name)
    {
        if (token_.empty() || (!quoted_ && (token_ == L"{" || token_ == L"}" || token_ == L"=")))
            return false;
        name = token_;
        return true;
    }

    bool Expand(const std::wstring& in, std::wstring& out)
    {
        out.clear();
        for (size_t i = 0; i < in.size(); ++i) {
            if (in[i] != L'%') {
                out += in[i];
                continue;
            }
            const size_t end = in.find(L'%', i + 1);
            if (end == std::wstring::npos)
                return false;
            if (end == i + 1) {
                out += L'%';  // %% is a percent sign
            } else {
                auto it = variables_.find(in.substr(i + 1, end - i - 1));
                if (it == variables_.end())
                    return false;
                out += it->second;
            }
            i = end;
        }
        return true;
    }

    void SkipSpace()
    {
        while (pos_ < text_.size() && std::iswspace(text_[pos_]))
            ++pos_;
    }

    wchar_t Peek()
    {
        SkipSpace();
        return pos_ < text_.size() ? text_[pos_] : 0;
    }

    // The next token: a brace, '=', a quoted text ('' is a quote inside it) or a word.
    bool Next()
    {
        SkipSpace();
        token_.clear();
        quoted_ = false;
        if (pos_ >= text_.size())
            return false;
        const wchar_t c = text_[pos_];
        if (c == L'{' && LooksLikeGuid()) {
            token_ = text_.substr(pos_, 38);
            pos_ += 38;
            return true;
        }
        if (c == L'{') {
            token_ = L"{";
            ++pos_;
            return true;
        }
        if (c == L'}' || c == L'=') {
            token_ = c;
            ++pos_;
            return true;
        }
        if (c == L'\'') {
            quoted_ = true;
            ++pos_;
            for (;;) {
                if (pos_ >= text_.size()) {
                    ok_ = false;
                    return false;
                }
                if (text_[pos_] == L'\'') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == L'\'') {
                        token_ += L'\'';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    return true;
                }
                token_ += text_[pos_++];
            }
        }
        while (pos_ < text_.size() && !std::iswspace(text_[pos_]) && text_[pos_] != L'=' &&
               text_[pos_] != L'\'' && text_[pos_] != L'{' && text_[pos_] != L'}')
            token_ += text_[pos_++];
        return true;
    }

    // {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx} at the current position: a key name.
    bool LooksLikeGuid() const
    {
        if (pos_ + 38 > text_.size() || text_[pos_ + 37] != L'}')
            return false;
        for (size_t i = 1; i < 37; ++i) {
            const wchar_t c = text_[pos_ + i];
            const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
            if (dash ? c != L'-' : !std::iswxdigit(c))
                return false;
        }
        return true;
    }

    const std::wstring& text_;
    const std::map<std::wstring, std::wstring>& variables_;
    size_t pos_ = 0;
    std::wstring token_;
    bool quoted_ = false;
    bool ok_ = true;
};

HRESULT FromStatus(LONG status) { return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status); }

HRESULT SetValue(HKEY key, const ValueNode& value)
{
    const wchar_t* name = value.name.empty() ? nullptr : value.name.c_str();
    if (value.type == L'd') {
        const DWORD number = static_cast<DWORD>(std::wcstoul(value.data.c_str(), nullptr, 0));
        return FromStatus(::RegSetValueExW(key, name, 0, REG_DWORD,
                                           reinterpret_cast<const BYTE*>(&number), sizeof number));
    }
    return FromStatus(::RegSetValueExW(key, name, 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(value.data.c_str()),
                                       static_cast<DWORD>((value.data.size() + 1) * sizeof(wchar_t))));
}

HRESULT RegisterKeys(HKEY parent, const std::vector<KeyNode>& keys)
{
    for (const KeyNode& node : keys) {
        if (node.flag == KeyNode::Flag::Delete) {
            ::RegDeleteTreeW(parent, node.name.c_str());
            ::RegDeleteKeyW(parent, node.name.c_str());
            continue;
        }
        if (node.flag == KeyNode::Flag::ForceRemove) {
            ::RegDeleteTreeW(parent, node.name.c_str());
            ::RegDeleteKeyW(parent, node.name.c_str());
        }
        HKEY key = nullptr;
        HRESULT hr = FromStatus(::RegCreateKeyExW(parent, node.name.c_str(), 0, nullptr, 0,
                                                  KEY_ALL_ACCESS, nullptr, &key, nullptr));
        if (FAILED(hr))
            return hr;
        if (node.hasDefault)
            hr = SetValue(key, node.defaultValue);
        for (const ValueNode& value : node.values)
            if (SUCCEEDED(hr))
                hr = SetValue(key, value);
        if (SUCCEEDED(hr))
            hr = RegisterKeys(key, node.keys);
        ::RegCloseKey(key);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

void UnregisterKeys(HKEY parent, const std::vector<KeyNode>& keys)
{
    for (const KeyNode& node : keys) {
        if (node.flag == KeyNode::Flag::ForceRemove || node.flag == KeyNode::Flag::Delete) {
            ::RegDeleteTreeW(parent, node.name.c_str());
            ::RegDeleteKeyW(parent, node.name.c_str());
            continue;
        }
        HKEY key = nullptr;
        if (::RegOpenKeyExW(parent, node.name.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
            continue;
        UnregisterKeys(key, node.keys);
        if (node.flag == KeyNode::Flag::NoRemove) {
            ::RegCloseKey(key);
            continue;
        }
        for (const ValueNode& value : node.values)
            ::RegDeleteValueW(key, value.name.c_str());
        DWORD subkeys = 0;
        ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr);
        ::RegCloseKey(key);
        if (subkeys == 0)
            ::RegDeleteKeyW(parent, node.name.c_str());
    }
}

}  // namespace

HRESULT Registrar::Register(const std::wstring& script)
{
    std::vector<KeyNode> roots;
    if (!Parser(script, variables_).ParseScript(roots))
        return E_INVALIDARG;
    for (const KeyNode& root : roots) {
        const HRESULT hr = RegisterKeys(root_, root.keys);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

HRESULT Registrar::Unregister(const std::wstring& script)
{
    std::vector<KeyNode> roots;
    if (!Parser(script, variables_).ParseScript(roots))
        return E_INVALIDARG;
    for (const KeyNode& root : roots)
        UnregisterKeys(root_, root.keys);
    return S_OK;
}

}  // namespace velmora
