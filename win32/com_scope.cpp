#include "com_scope.h"

#include <objbase.h>

#include "system_library.h"

namespace corelim {

ComScope::ComScope() {
    auto* initialize = SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    auto* uninitialize = SystemFunction<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    // Without DDE for OLE1, as the shell asks of ShellExecuteEx's callers.
    if (initialize && uninitialize &&
        SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
        uninitialize_ = uninitialize;
    }
}

ComScope::~ComScope() {
    if (uninitialize_) uninitialize_();
}

}  // namespace corelim
