# Warnings for our own targets only: third-party headers stay quiet.
function(dorvane_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# Puts a program into the program folder (or a folder under it).
function(dorvane_install_program target)
    cmake_parse_arguments(ARG "" "SUBDIR" "" ${ARGN})
    set(dir ${DORVANE_RUNTIME_DIR})
    if(ARG_SUBDIR)
        set(dir ${DORVANE_RUNTIME_DIR}/${ARG_SUBDIR})
    endif()
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${dir}
                                               LIBRARY_OUTPUT_DIRECTORY ${dir})
endfunction()

# dorvane_add_test(NAME name SOURCES ... LIBS ... [CORE] [LABELS ...])
# CORE marks tests of the Qt-free libraries: only those are built in the sanitizer build.
function(dorvane_add_test)
    cmake_parse_arguments(ARG "CORE" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;DEPENDS" ${ARGN})
    if(DORVANE_SANITIZE AND NOT ARG_CORE)
        return()
    endif()
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    dorvane_warnings(${ARG_NAME})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    # Shared test pieces (tests/support) and other modules' fixtures are found from tests/.
    target_include_directories(${ARG_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${ARG_NAME} PRIVATE
        DORVANE_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
        DORVANE_RUNTIME_DIR="${DORVANE_RUNTIME_DIR}"
        DORVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    if(ARG_DEPENDS)
        add_dependencies(${ARG_NAME} ${ARG_DEPENDS})
    endif()
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set(labels ${ARG_LABELS})
    if(ARG_CORE)
        list(APPEND labels core)
    endif()
    set(timeout 300)
    if(ARG_TIMEOUT)
        set(timeout ${ARG_TIMEOUT})
    endif()
    set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT ${timeout} LABELS "${labels}")
endfunction()
