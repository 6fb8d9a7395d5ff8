#include "gui/core/string_utils.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "gui/core/exceptions.h"

namespace gui {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

char FoldUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool TryStrToInt(const std::string& s, int32_t& value)
{
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size())
        return false;
    int64_t magnitude = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            return false;
    }
    const int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(signedValue);
    return true;
}

}  // namespace

std::string TrimLeft(const std::string& s)
{
    size_t first = 0;
    while (first < s.size() && IsBlank(s[first]))
        ++first;
    return s.substr(first);
}

std::string TrimRight(const std::string& s)
{
    size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1]))
        --end;
    return s.substr(0, end);
}

std::string Trim(const std::string& s) { return TrimLeft(TrimRight(s)); }

int CompareText(const std::string& a, const std::string& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(FoldUpper(a[i]));
        const auto cb = static_cast<unsigned char>(FoldUpper(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

int32_t StrToInt(const std::string& s)
{
    int32_t value = 0;
    if (!TryStrToInt(s, value))
        throw EConvertError("'" + s + "' is not a valid integer value");
    return value;
}

int32_t StrToIntDef(const std::string& s, int32_t defaultValue)
{
    int32_t value = 0;
    return TryStrToInt(s, value) ? value : defaultValue;
}

std::string FormatFloat(const std::string& format, double value)
{
    int minInt = 0, minDec = 0, maxDec = 0;
    bool inDecimals = false;
    for (char c : format) {
        if (c == '.' && !inDecimals) {
            inDecimals = true;
        } else if (c == '0') {
            if (inDecimals) {
                ++maxDec;
                minDec = maxDec;
            } else {
                ++minInt;
            }
        } else if (c == '#') {
            if (inDecimals)
                ++maxDec;
        } else {
            throw EConvertError("Format '" + format + "' invalid or incompatible with argument");
        }
    }
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");

    // The C library's conversion rounds the exact binary value correctly, so halves
    // that are exactly representable go to the even digit.
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", maxDec, value);
    std::string text = buffer;
    bool negative = false;
    if (!text.empty() && text[0] == '-') {
        negative = true;
        text.erase(0, 1);
    }
    std::string whole = text, decimals;
    const size_t point = text.find('.');
    if (point != std::string::npos) {
        whole = text.substr(0, point);
        decimals = text.substr(point + 1);
    }
    while (int(decimals.size()) > minDec && decimals.back() == '0')
        decimals.pop_back();
    if (whole == "0" && minInt == 0)
        whole.clear();
    while (int(whole.size()) < minInt)
        whole.insert(whole.begin(), '0');
    if (whole.empty() && decimals.empty())
        whole = "0";
    std::string result = whole;
    if (!decimals.empty())
        result += "." + decimals;
    const bool allZero = result.find_first_not_of("0.") == std::string::npos;
    if (negative && !allZero)
        result.insert(result.begin(), '-');
    return result;
}

}  // namespace gui
