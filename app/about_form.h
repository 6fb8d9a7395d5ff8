// The about box: the program's icon, name and version, the maker's web and
// support addresses as links, the copyright line and a copyright warning.
#pragma once

#include <string>

#include "gui/controls/custom_label.h"
#include "gui/controls/form.h"
#include "gui/controls/image.h"
#include "skinctrls/controls/skin_std_label.h"

namespace brenvale {

// A label that opens an address. It draws in its own font, whose colour tells
// whether the mouse is over it (a skin's label colour would hide that), and it
// tells when the mouse comes and goes.
class TLinkLabel : public gui::TCustomLabel {
public:
    explicit TLinkLabel(gui::TComponent* owner);
    gui::TNotifyEvent OnMouseEnter;
    gui::TNotifyEvent OnMouseLeave;

protected:
    void WndProc(gui::TMessage& message) override;
};


class TfrmAbout : public gui::TForm {
public:
    TfrmAbout(gui::TComponent* owner, sk::TskSkinData* skin);

    gui::TImage* Image1;
    sk::TskSkinStdLabel *lblProductNameVer, *Label1, *Label2, *Copyright, *Comments;
    TLinkLabel *Label3, *Label4;

    static const char* const kWebAddress;
    static const char* const kSupportAddress;

protected:
    void WndProc(gui::TMessage& message) override;

private:
    void FormShow();
    void Label3Click(gui::TComponent* sender);
    void Label4Click(gui::TComponent* sender);
    void Label3MouseEnter(gui::TComponent* sender);
    void Label3MouseLeave(gui::TComponent* sender);
    void OpenAddress(const std::string& address);
};

}  // namespace brenvale
