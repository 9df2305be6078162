# Warnings for the project's own targets; call tessivane_warnings(<target>).
function(tessivane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
  if(TESSIVANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
