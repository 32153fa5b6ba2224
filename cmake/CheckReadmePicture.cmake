cmake_minimum_required(VERSION 3.25)
# Run as a test (cmake -P): the README's picture is what volvenda-render writes
# today with the command the README gives for it.
file(READ "${SOURCE_DIR}/README.md" readme)
string(REGEX MATCH "`volvenda-render (-o docs/[a-z]+\\.svg [^`]+)`" command "${readme}")
if(NOT command)
    message(FATAL_ERROR "README.md gives no volvenda-render command for a picture in docs/")
endif()
separate_arguments(arguments UNIX_COMMAND "${CMAKE_MATCH_1}")
list(GET arguments 1 picture)
list(REMOVE_AT arguments 0 1)
set(written "${WORK_DIR}/readme-picture.svg")
execute_process(COMMAND "${RENDER}" -o "${written}" ${arguments} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "volvenda-render ${CMAKE_MATCH_1} failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${written}" "${SOURCE_DIR}/${picture}"
    RESULT_VARIABLE differs)
if(differs)
    message(FATAL_ERROR "${picture} is not what 'volvenda-render ${CMAKE_MATCH_1}' writes today; "
        "run it from the repository's root to bring the picture up to date")
endif()
