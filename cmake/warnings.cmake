# corelim_warnings(target): the warnings the project's own code builds
# without. They fail the build only where CMAKE_COMPILE_WARNING_AS_ERROR is
# on (our presets): a newer compiler's new warning must not stop a user's
# build.
function(corelim_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
endfunction()

# The native debug build runs every test under the sanitizers.
option(CORELIM_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(CORELIM_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
