# Warnings for every target of the project; third-party headers come in as system includes.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)

# The CI build turns every warning into an error.
option(LUMBRAFIX_WERROR "Treat compiler warnings as errors (the CI build)" OFF)
if(LUMBRAFIX_WERROR)
    add_compile_options(-Werror)
endif()
