# Warnings are errors in both builds; third-party code (GoogleTest) is left alone.
function(project_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Wunused
    -Woverloaded-virtual -Wformat=2 -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # g++ 12 warns about std::string concatenation inside libstdc++ itself (GCC bug 105329).
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()
