#pragma once

#include <stdexcept>

namespace corelim {

// The window layer's exception class: what reaches the program entry is
// shown by TApplication::ShowException.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace corelim
