# Options shared by every target of the project: one INTERFACE target that
# each library and program links.
add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

option(TARNWELL_WERROR "Treat compiler warnings as errors" OFF)
option(TARNWELL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(MSVC)
    target_compile_options(project_options INTERFACE /W4 /utf-8)
    if(TARNWELL_WERROR)
        target_compile_options(project_options INTERFACE /WX)
    endif()
else()
    target_compile_options(project_options INTERFACE -Wall -Wextra -Wpedantic)
    if(TARNWELL_WERROR)
        target_compile_options(project_options INTERFACE -Werror)
    endif()
    if(TARNWELL_SANITIZE)
        target_compile_options(project_options INTERFACE
            -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        target_link_options(project_options INTERFACE -fsanitize=address,undefined)
    endif()
endif()

# Qt strictness: no silent conversions from char* to QString, no Q_FOREACH.
target_compile_definitions(project_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_FOREACH QT_NO_KEYWORDS
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)

# `format` applies .clang-format to the project's own sources.
find_program(CLANG_FORMAT clang-format)
if(CLANG_FORMAT)
    file(GLOB_RECURSE TARNWELL_FORMAT_SOURCES CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/base/*.cpp ${PROJECT_SOURCE_DIR}/base/*.h ${PROJECT_SOURCE_DIR}/base/platform/*.cpp ${PROJECT_SOURCE_DIR}/base/platform/*.h
        ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h
        ${PROJECT_SOURCE_DIR}/composer/*.cpp ${PROJECT_SOURCE_DIR}/composer/*.h
        ${PROJECT_SOURCE_DIR}/galleries/*.cpp ${PROJECT_SOURCE_DIR}/galleries/*.h
        ${PROJECT_SOURCE_DIR}/unspacer/*.cpp ${PROJECT_SOURCE_DIR}/unspacer/*.h
        ${PROJECT_SOURCE_DIR}/art/*.cpp ${PROJECT_SOURCE_DIR}/art/*.h
        ${PROJECT_SOURCE_DIR}/tests/*/*.cpp ${PROJECT_SOURCE_DIR}/tests/*/*.h)
    add_custom_target(format COMMAND ${CLANG_FORMAT} -i ${TARNWELL_FORMAT_SOURCES}
        COMMENT "Formatting the sources")
endif()
