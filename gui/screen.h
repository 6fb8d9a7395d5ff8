// The program's screen: the list of its forms in creation order.
#pragma once

#include <vector>

namespace gui {

class TForm;

class TScreen {
public:
    int FormCount() const { return int(forms_.size()); }
    TForm* Forms(int index) const;  // raises EListError outside the list
    int IndexOfForm(const TForm* form) const;  // -1 when it is not listed

private:
    friend class TForm;
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

    std::vector<TForm*> forms_;
};

// The one screen of the program.
TScreen& Screen();

}  // namespace gui
