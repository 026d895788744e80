# The one list of warning flags of the project. KOORD_WERROR turns them into
# errors; the presets that the tests use set it.
option(KOORD_WERROR "Treat warnings as errors" OFF)
set(KOORD_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion)
if(KOORD_WERROR)
  list(APPEND KOORD_WARNING_FLAGS -Werror)
endif()

function(koord_warnings target)
  target_compile_options(${target} PRIVATE ${KOORD_WARNING_FLAGS})
endfunction()
