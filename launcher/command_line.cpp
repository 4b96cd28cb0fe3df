#include "command_line.h"

namespace corelim {

// Quoting, as the C runtime's argument splitter and CommandLineToArgvW read
// it back:
// - An argument that is not empty and holds no blank, tab or double quote is
//   copied unchanged; backslashes not followed by a quote are literal.
// - Any other argument is enclosed in double quotes.
// - Inside the quotes, a double quote is written as \" and the backslashes
//   just before it are doubled; backslashes just before the closing quote
//   are doubled too. Other backslashes stay single.
// - The first word (the program) is read by simpler rules: up to the next
//   quote, without escapes. Both readings agree for every valid file name,
//   as file names hold no quote and do not end in a backslash.
// - Only the ASCII blank, tab, quote and backslash mean anything. Look-alikes
//   such as the full-width quotation mark U+FF02 are ordinary characters,
//   and since the line stays UTF-16 to the child, no code page conversion
//   can turn them into syntax on the way.
// - Surrogates are copied as they come, paired or not: a pair is one
//   character to the child, and a lone surrogate reaches it unchanged too,
//   as neither splitter looks at them.
void AppendArgument(std::u16string& commandLine, std::u16string_view argument) {
    if (!argument.empty() && argument.find_first_of(u" \t\"") == std::u16string_view::npos) {
        commandLine.append(argument);
        commandLine += u' ';
        return;
    }

    commandLine += u'"';
    std::size_t backslashes = 0;
    for (const char16_t c : argument) {
        if (c == u'\\') {
            ++backslashes;
        } else {
            if (c == u'"') commandLine.append(backslashes + 1, u'\\');
            backslashes = 0;
        }
        commandLine += c;
    }
    commandLine.append(backslashes, u'\\');
    commandLine += u"\" ";
}

}  // namespace corelim
