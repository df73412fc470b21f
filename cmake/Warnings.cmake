# Warnings are on for every target of the project; CI turns them into errors.
function(tarvelstrand_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow=local -Wnon-virtual-dtor
        # Designated initializers that leave members to their defaults are meant.
        -Wno-missing-field-initializers)
    if(TARVELSTRAND_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
