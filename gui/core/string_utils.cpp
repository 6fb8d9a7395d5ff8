#include "gui/core/string_utils.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "gui/core/exceptions.h"

namespace gui {

namespace {

bool IsBlank(char character) { return static_cast<unsigned char>(character) <= ' '; }

char FoldUpper(char letter)
{
    return (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A') : letter;
}

bool TryStrToInt(const std::string& text, int32_t& value)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return false;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        magnitude = magnitude * 10 + (text[i] - '0');
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

std::string TrimLeft(const std::string& text)
{
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    return text.substr(first);
}

std::string TrimRight(const std::string& text)
{
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::string Trim(const std::string& text) { return TrimLeft(TrimRight(text)); }

int CompareText(const std::string& first, const std::string& second)
{
    const size_t n = std::min(first.size(), second.size());
    for (size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(FoldUpper(first[i]));
        const auto cb = static_cast<unsigned char>(FoldUpper(second[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (first.size() == second.size())
        return 0;
    return first.size() < second.size() ? -1 : 1;
}

bool SameText(const std::string& first, const std::string& second)
{
    return first.size() == second.size() && CompareText(first, second) == 0;
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

int32_t StrToInt(const std::string& text)
{
    int32_t value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

int32_t StrToIntDef(const std::string& text, int32_t defaultValue)
{
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
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
