#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace corelim {

// Owns the components created on it and finds them by name, as the form's
// code looks its check boxes up by name rather than through fields.
class TComponent {
public:
    TComponent(std::string name, TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    // Names compare without regard to ASCII case; null when none matches.
    TComponent* FindComponent(const std::string& name) const;

private:
    std::string name_;
    std::vector<TComponent*> components_;  // owned
};

// A child window of the form. Text is what the user typed, in UTF-16
// (NarrowAnsi gives its ANSI form, where there is one).
class TControl : public TComponent {
public:
    TControl(std::string name, TComponent* owner, HWND handle);

    HWND Handle() const { return handle_; }
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    void SetEnabled(bool enabled);

private:
    HWND handle_;
};

class TLabel : public TControl { using TControl::TControl; };
class TEdit : public TControl { using TControl::TControl; };
class TButton : public TControl { using TControl::TControl; };
class TGroupBox : public TControl { using TControl::TControl; };

class TCheckBox : public TControl {
public:
    using TControl::TControl;
    bool Checked() const;
    void SetChecked(bool checked);
};

}  // namespace corelim
