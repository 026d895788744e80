# The one list of warning flags of the project.
set(KOORD_WARNING_FLAGS -Wall -Wextra -Wpedantic)

function(koord_warnings target)
  target_compile_options(${target} PRIVATE ${KOORD_WARNING_FLAGS})
endfunction()
