#include "app/access_keys.h"

#include <cctype>

#include "gui/controls/menu_item.h"

namespace brenvale {

namespace {

bool IsKeyCharacter(char character) { return std::isalnum(static_cast<unsigned char>(character)) != 0; }

char Upper(char character) { return char(std::toupper(static_cast<unsigned char>(character))); }

// The character a caption marks with a single "&", or '\0'.
char MarkedKey(const std::string& caption)
{
    char key = '\0';
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        ++i;
        if (caption[i] != '&')
            key = caption[i];
    }
    return key;
}

// Where in the caption the key goes: the start of a word first, then any place;
// npos when every letter is taken.
size_t FreePlace(const std::string& caption, const std::string& taken)
{
    auto free = [&](size_t position) {
        return IsKeyCharacter(caption[position]) && taken.find(Upper(caption[position])) == std::string::npos;
    };
    for (size_t i = 0; i < caption.size(); ++i)
        if ((i == 0 || caption[i - 1] == ' ') && free(i))
            return i;
    for (size_t i = 0; i < caption.size(); ++i)
        if (free(i))
            return i;
    return std::string::npos;
}

}  // namespace

std::vector<std::string> WithAccessKeys(const std::vector<std::string>& captions)
{
    std::string taken;
    for (const std::string& caption : captions)
        if (const char key = MarkedKey(caption))
            taken += Upper(key);
    std::vector<std::string> result = captions;
    for (std::string& caption : result) {
        if (caption == "-" || MarkedKey(caption) != '\0')
            continue;
        const size_t at = FreePlace(caption, taken);
        if (at == std::string::npos)
            continue;
        taken += Upper(caption[at]);
        caption.insert(at, 1, '&');
    }
    return result;
}

void GiveAccessKeys(gui::TMenuItem& menu)
{
    std::vector<std::string> captions;
    for (int i = 0; i < menu.Count(); ++i)
        captions.push_back(menu[i]->Caption());
    const std::vector<std::string> keyed = WithAccessKeys(captions);
    for (int i = 0; i < menu.Count(); ++i)
        menu[i]->SetCaption(keyed[size_t(i)]);
}

}  // namespace brenvale
