#include "batch_command_line.h"

#include "ascii_text.h"

namespace corelim {

namespace {

bool IsAsciiAlphanumeric(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Letters, digits, text beyond Latin-1's controls, and the ASCII punctuation
// that means nothing to cmd.exe outside quotes; every other ASCII symbol, a
// blank or a control character makes the argument quoted.
bool IsPlainForCmd(char16_t c) {
    return c >= 0xA0 || IsAsciiAlphanumeric(c) ||
           std::u16string_view(u"#$*+-./:?@\\_").find(c) != std::u16string_view::npos;
}

// "%" becomes "%%cd:~,%": a literal percent sign followed by an empty
// substring of %cd%, which splits every %NAME% apart before cmd.exe can
// expand it. (cmd.exe offers no escape for "%" on a command line.)
void AppendDefusingPercent(std::u16string& line, char16_t c) {
    if (c == u'%') line += u"%%cd:~,";
    line += c;
}

}  // namespace

bool IsBatchFile(std::u16string_view program) {
    while (!program.empty() && (program.back() == u'.' || program.back() == u' ')) program.remove_suffix(1);
    return EndsWithAsciiNoCase(program, ".bat") || EndsWithAsciiNoCase(program, ".cmd");
}

// cmd.exe reads the line after /c as one command, quotes switching its
// metacharacters (& | < > ( ) ^ and blanks) off and on, so:
// - The switches: /d skips the AutoRun commands of the registry, /e:ON keeps
//   the substring expansion "%" relies on, /v:OFF leaves "!" literal.
// - The whole command is wrapped in one more pair of quotes, which /c strips
//   again, so that the quotes inside keep their meaning.
// - The path is quoted. An argument is quoted when it is empty, ends in a
//   backslash, or holds anything but letters, digits, non-ASCII text and
//   #$*+-./:?@\_ ; inside the quotes a double quote is doubled (which keeps
//   cmd.exe in quoted text) and the backslashes before it and before the
//   closing quote are doubled as the C runtime expects.
// - "%" is defused everywhere, the path included (see above).
// - A line break ends cmd.exe's command whatever the quoting, so an argument
//   holding one is refused; a quote in the path would end its quotes early;
//   a line over kMaxCmdLine cmd.exe would refuse after starting.
// Wine's cmd.exe differs from Windows' in one point: it expands a batch
// file's %* and %1... again where the file uses them, so there a "%NAME%"
// that reached the file whole is still expanded inside it.
std::variant<std::u16string, BatchRefusal> BuildBatchCommandLine(
    std::u16string_view script, const std::vector<std::u16string_view>& arguments) {
    using Reason = BatchRefusal::Reason;
    if (script.find(u'"') != std::u16string_view::npos) return BatchRefusal{0, Reason::QuoteInPath};

    std::u16string line = u"cmd.exe /d /e:ON /v:OFF /c \"\"";
    for (const char16_t c : script) AppendDefusingPercent(line, c);
    line += u'"';

    for (std::size_t n = 0; n < arguments.size(); ++n) {
        const std::u16string_view argument = arguments[n];
        if (argument.find_first_of(u"\r\n") != std::u16string_view::npos) return BatchRefusal{n + 1, Reason::LineBreak};
        bool quote = argument.empty() || argument.back() == u'\\';
        for (const char16_t c : argument) quote = quote || !IsPlainForCmd(c);

        line += quote ? u" \"" : u" ";
        std::size_t backslashes = 0;
        for (const char16_t c : argument) {
            if (c == u'\\') {
                ++backslashes;
            } else {
                if (c == u'"') line.append(backslashes, u'\\') += u'"';
                backslashes = 0;
            }
            AppendDefusingPercent(line, c);
        }
        if (quote) line.append(backslashes, u'\\') += u'"';
    }
    line += u'"';
    if (line.size() > kMaxCmdLine) return BatchRefusal{0, Reason::TooLong, line.size()};
    return line;
}

}  // namespace corelim
