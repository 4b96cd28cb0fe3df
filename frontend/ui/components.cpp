#include "components.h"

#include <algorithm>
#include <cctype>

namespace corelim {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

}  // namespace

TComponent::TComponent(std::string name, TComponent* owner) : name_(std::move(name)) {
    if (owner) owner->components_.push_back(this);
}

TComponent::~TComponent() {
    for (auto it = components_.rbegin(); it != components_.rend(); ++it) delete *it;
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* component : components_) {
        if (SameName(component->Name(), name)) return component;
    }
    return nullptr;
}

TControl::TControl(std::string name, TComponent* owner, HWND handle)
    : TComponent(std::move(name), owner), handle_(handle) {}

std::wstring TControl::Text() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TControl::SetText(const std::wstring& text) { SetWindowTextW(handle_, text.c_str()); }

void TControl::SetEnabled(bool enabled) { EnableWindow(handle_, enabled); }

bool TCheckBox::Checked() const {
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace corelim
