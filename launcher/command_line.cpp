#include "command_line.h"

namespace corelim {

// Quoting, as the C runtime's argument splitter and CommandLineToArgvW read
// it back:
// - An argument that is not empty and holds no blank, tab or double quote is
//   copied byte for byte; backslashes not followed by a quote are literal.
// - Any other argument is enclosed in double quotes.
// - Inside the quotes, a double quote is written as \" and the backslashes
//   just before it are doubled; backslashes just before the closing quote
//   are doubled too. Other backslashes stay single.
// - The first word (the program) is read by simpler rules: up to the next
//   quote, without escapes. Both readings agree for every valid file name,
//   as file names hold no quote and do not end in a backslash.
// - Text is read in characters, not bytes: the second byte of a double-byte
//   character is never a backslash, even when it is 0x5C (as in Shift-JIS
//   "表", 0x95 0x5C). CreateProcessA hands the child its command line in
//   UTF-16, where that byte is part of one character, so CommandLineToArgvW
//   and a C runtime that splits the wide text never see a backslash there;
//   the ANSI C runtimes (msvcrt's __getmainargs, the UCRT) copy a lead byte
//   and the byte after it as one unit for the same result. Doubling it would
//   hand every such child a stray backslash.
// - An argument cannot end in a lead byte without its second byte: the
//   reader would take the blank or quote after it as that byte. The
//   launcher's own arguments never do, as its C runtime splits them by the
//   same rule from a command line the system converted whole.
void AppendArgument(std::string& commandLine, std::string_view argument,
                    LeadBytePredicate isLeadByte) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos) {
        commandLine.append(argument);
        commandLine += ' ';
        return;
    }

    commandLine += '"';
    std::size_t backslashes = 0;
    for (std::size_t i = 0; i < argument.size(); ++i) {
        const char c = argument[i];
        if (isLeadByte(static_cast<unsigned char>(c)) && i + 1 < argument.size()) {
            commandLine += c;
            commandLine += argument[++i];
            backslashes = 0;
            continue;
        }
        if (c == '\\') {
            ++backslashes;
        } else if (c == '"') {
            commandLine.append(backslashes + 1, '\\');
            backslashes = 0;
        } else {
            backslashes = 0;
        }
        commandLine += c;
    }
    commandLine.append(backslashes, '\\');
    commandLine += "\" ";
}

}  // namespace corelim
