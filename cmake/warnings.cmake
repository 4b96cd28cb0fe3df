# corelim_warnings(target): the project's own code builds without warnings.
function(corelim_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror)
endfunction()

# The native debug build runs every test under the sanitizers.
option(CORELIM_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(CORELIM_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
