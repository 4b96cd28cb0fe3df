#pragma once

#include <string>
#include <string_view>

namespace corelim {

// Appends one argument to a child's UTF-16 command line so that the C
// runtime and CommandLineToArgvW split it back into exactly that argument,
// followed by one space.
void AppendArgument(std::u16string& commandLine, std::u16string_view argument);

}  // namespace corelim
