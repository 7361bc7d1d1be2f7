# Warnings and sanitizers for every target of the project.
add_compile_options(-Wall -Wextra)
if(SORVEL_WERROR)
    add_compile_options(-Werror)
endif()
if(SORVEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
