// Lists of text lines. TStrings gives the operations every list of lines offers
// (lines as text, name=value pairs, streams and files); TStringList keeps them in
// memory.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace gui {

class TStream;

class TStrings {
public:
    virtual ~TStrings() = default;

    virtual int32_t Count() const = 0;
    // Index outside 0..Count-1 raises EListError.
    virtual std::string Get(int32_t index) const = 0;
    virtual void Put(int32_t index, const std::string& text) = 0;
    virtual void Insert(int32_t index, const std::string& text) = 0;
    virtual void Delete(int32_t index) = 0;
    virtual void Clear() = 0;
    int32_t Add(const std::string& text);
    int32_t IndexOf(const std::string& text) const;  // without regard to case

    std::string operator[](int32_t index) const { return Get(index); }
    void AddStrings(const TStrings& strings);
    void Assign(const TStrings& strings);

    // The lines joined, each ended by CR LF; SetText splits at CR LF, LF or CR.
    std::string Text() const;
    void SetText(const std::string& text);

    // Lines of the form name=value.
    std::string Names(int32_t index) const;
    std::string ValueFromIndex(int32_t index) const;
    int32_t IndexOfName(const std::string& name) const;
    std::string Values(const std::string& name) const;
    // An empty value removes the pair; a new name is added at the end.
    void SetValues(const std::string& name, const std::string& value);

    void LoadFromStream(TStream& stream);  // from the stream's position to its end
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

protected:
    [[noreturn]] static void IndexError(int32_t index);
};

class TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(std::initializer_list<std::string> lines);

    int32_t Count() const override { return int32_t(lines_.size()); }
    std::string Get(int32_t index) const override;
    void Put(int32_t index, const std::string& text) override;
    void Insert(int32_t index, const std::string& text) override;
    void Delete(int32_t index) override;
    void Clear() override { lines_.clear(); }

private:
    void CheckIndex(int32_t index) const;

    std::vector<std::string> lines_;
};

}  // namespace gui
