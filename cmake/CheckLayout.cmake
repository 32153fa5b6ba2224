cmake_minimum_required(VERSION 3.25)
# Run as a test (cmake -P): each folder of src/ includes headers only from
# the folders below it, so that no include runs back up the layers; and a
# library's insides (src/<library>/detail/) are included only by the library
# itself and by its own tests, tests/<library>/.
set(allowed_runtime "runtime")
set(allowed_drawing "runtime;drawing")
set(allowed_output "runtime;drawing;output")
set(allowed_trace "runtime;drawing;trace")
set(allowed_runs "runtime;drawing;output;trace;runs")
set(allowed_window "runtime;drawing;output;trace;runs;window")
set(allowed_render "runtime;drawing;output;trace;runs;render")

# Appends to out each include, in the C++ files under folder, that matches
# pattern and names a first folder ("output" in "output/png_writing.h") not
# in allowed.
function(check_includes folder pattern allowed out)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    set(broken "${${out}}")
    foreach(source ${sources})
        file(STRINGS "${source}" lines REGEX "${pattern}")
        foreach(line ${lines})
            string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" used "${line}")
            if(NOT used IN_LIST allowed)
                string(APPEND broken "\n  ${source}: ${line}")
            endif()
        endforeach()
    endforeach()
    set(${out} "${broken}" PARENT_SCOPE)
endfunction()

set(upwards "")
foreach(folder runtime drawing output trace runs window render)
    check_includes("src/${folder}" "^#include \"[a-z_]+/" "${allowed_${folder}}" upwards)
endforeach()

# A folder of code reaches only its own library's insides: src/output and
# tests/output those of output; bench, fuzz and tests/support none.
set(private "")
file(GLOB folders LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/src/*" "${SOURCE_DIR}/tests/*")
foreach(folder ${folders} bench fuzz)
    if(IS_DIRECTORY "${SOURCE_DIR}/${folder}")
        get_filename_component(library "${folder}" NAME)
        check_includes("${folder}" "^#include \"[a-z_]+/detail/" "${library}" private)
    endif()
endforeach()

set(broken "")
if(upwards)
    string(APPEND broken "\nincludes that run back up the layers:${upwards}")
endif()
if(private)
    string(APPEND broken "\nincludes of another library's insides (src/<library>/detail/), which only that "
        "library and its tests/<library>/ may include; use the library's own headers instead:${private}")
endif()
if(broken)
    message(FATAL_ERROR "${broken}")
endif()
