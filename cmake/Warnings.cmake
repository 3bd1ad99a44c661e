# Warnings for every target of the project; third-party headers come in as system includes.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)

# The CI build turns every warning into an error; the environment variable LUMBRAFIX_WERROR=ON
# sets it for a first configure that names no option, such as the README's command.
set(LUMBRAFIX_WERROR_DEFAULT OFF)
if("$ENV{LUMBRAFIX_WERROR}" STREQUAL "ON")
    set(LUMBRAFIX_WERROR_DEFAULT ON)
endif()
option(LUMBRAFIX_WERROR "Treat compiler warnings as errors (the CI build)" ${LUMBRAFIX_WERROR_DEFAULT})
if(LUMBRAFIX_WERROR)
    add_compile_options(-Werror)
endif()
