#pragma once

#include <string>
#include <string_view>

namespace corelim {

// A system message read with FORMAT_MESSAGE_IGNORE_INSERTS, made ready to
// show: "%1" becomes `path`. Asking FormatMessage itself to fill the
// inserts would need an argument for every insert a message might hold, and
// it reads memory it was never given for those it lacks.
//
// What that flag leaves in the text, and what becomes of it here:
// - %1 to %99, each optionally with a printf format between "!"s: %1 is
//   `path`; the others, for which there is nothing to say, are "…";
// - %% %! %. and "% " stand for the character after the "%";
// - a "%" that ends the text stays.
// FormatMessage has already handled %0, %n, %r and %t.
std::u16string FillMessageInserts(std::u16string_view message, std::u16string_view path);

}  // namespace corelim
