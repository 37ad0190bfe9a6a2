# SPDX-License-Identifier: GPL-3.0-or-later
# One interface target carries the compiler rules every target of the project follows.
add_library(numerette_house_rules INTERFACE)
target_compile_features(numerette_house_rules INTERFACE cxx_std_20)
target_compile_options(numerette_house_rules INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(numerette_house_rules INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_USE_QSTRINGBUILDER
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)
if(NUMERETTE_WERROR)
    target_compile_options(numerette_house_rules INTERFACE -Werror)
endif()
if(NUMERETTE_SANITIZE)
    target_compile_options(numerette_house_rules INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(numerette_house_rules INTERFACE -fsanitize=address,undefined)
endif()
