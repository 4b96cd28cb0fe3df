#pragma once

#include <string>
#include <string_view>

namespace corelim {

// Tells whether a byte opens a two-byte character in the ANSI code page the
// command line is written in (IsDBCSLeadByte on Windows).
using LeadBytePredicate = bool (*)(unsigned char byte);

// Appends one argument to a child's command line so that the C runtime and
// CommandLineToArgvW split it back into exactly that argument, followed by
// one space.
void AppendArgument(std::string& commandLine, std::string_view argument,
                    LeadBytePredicate isLeadByte);

}  // namespace corelim
