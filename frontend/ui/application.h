#pragma once

#include <functional>
#include <string>

#include "exception.h"
#include "form.h"

namespace corelim {

// The application object: its title captions the program's message boxes,
// and the first form created is the main window.
class TApplication {
public:
    ~TApplication();

    void Initialize();
    std::string Title;

    template <class Form>
    void CreateForm(Form*& reference) {
        reference = new Form();
        Adopt(reference);
    }
    // Shows the main form, calls `onShown` once it is on screen, then
    // dispatches messages until the main form's window goes.
    void Run(const std::function<void()>& onShown = nullptr);
    void ShowException(const Exception& exception) const;
    // A modal box over the main window, captioned with the title; the
    // MessageBoxW result.
    int Box(const std::wstring& text, UINT type) const;

    TForm* MainForm() const { return mainForm_; }

private:
    void Adopt(TForm* form);

    TForm* mainForm_ = nullptr;
};

extern TApplication Application;

// A modal box captioned with the application's title; text in the
// program's code page (932). Plain, for results and information.
void ShowMessage(const std::string& text);
void ShowMessage(const std::wstring& text);
// The same box with the warning icon, for what could not be done or needs
// care, as Windows' own boxes for a failure show it.
void ShowWarning(const std::wstring& text);
// The same box with Yes and No, No the default: true for Yes.
bool AskYesNo(const std::wstring& text);

}  // namespace corelim
