#pragma once

#include <vector>

#include "form.h"

namespace corelim {

extern const FormDef kMainFormDef;
extern const std::vector<ControlDef> kMainFormControls;
extern const char kExecFileFilter[];

}  // namespace corelim
