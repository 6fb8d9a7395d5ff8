// Brenvale: the program's start. It reads no arguments.
#include <windows.h>

#include <exception>
#include <memory>

#include "app/main_form.h"
#include "gui/controls/application.h"

namespace {

// The program's message loop: dialog keys first, then translation and dispatch,
// until the main window's closing posts the quit message.
int Run()
{
    for (;;) {
        int quitCode = 0;
        switch (gui::Application().HandleNextMessage(quitCode)) {
        case gui::TMessageLoopStep::Handled:
            break;
        case gui::TMessageLoopStep::Quit:
            return quitCode;
        case gui::TMessageLoopStep::Failed:
            return 1;
        }
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (FAILED(::OleInitialize(nullptr)))
        return 1;
    gui::Application().SetTitle("Brenvale");
    int result = 0;
    {
        // The window (and the control on it) goes before COM does.
        std::unique_ptr<brenvale::TfrmMain> mainForm;
        try {
            mainForm.reset(new brenvale::TfrmMain(nullptr));
            gui::Application().SetMainForm(mainForm.get());
            // Every failure the program reports wears the skin, as its other
            // messages do.
            gui::Application().OnException = [form = mainForm.get()](gui::TComponent*, const std::exception& error) {
                form->ShowException(error);
            };
            mainForm->Show();
            result = Run();
            gui::Application().OnException = nullptr;
        } catch (const std::exception& e) {
            gui::Application().OnException = nullptr;
            gui::Application().ShowException(e);
            result = 1;
        }
    }
    ::OleUninitialize();
    return result;
}
