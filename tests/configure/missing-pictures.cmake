# cmake -DSOURCE=<the project> -DSCRATCH=<a scratch folder> -P missing-pictures.cmake
#
# Configures a copy of the project whose resources are empty files named as the
# real ones (the configure step looks at names only), first whole, then with one
# set of pictures or one picture taken away at a time: each must stop the
# configure step with a message naming the folder, what is missing and how to
# draw the pictures again. Nothing is built.
cmake_minimum_required(VERSION 3.25)

set(tree ${SCRATCH}/tree)
set(build ${SCRATCH}/build)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${tree})
file(COPY ${SOURCE}/CMakeLists.txt ${SOURCE}/LICENSE ${SOURCE}/src ${SOURCE}/packaging ${SOURCE}/data
     DESTINATION ${tree})
file(GLOB_RECURSE pictures RELATIVE ${SOURCE}/resources ${SOURCE}/resources/*)

function(mirror_pictures)
    file(REMOVE_RECURSE ${tree}/resources)
    foreach(picture IN LISTS pictures)
        file(WRITE ${tree}/resources/${picture} "")
    endforeach()
endfunction()

# Gives the configure step's result and what it wrote, line breaks and indents
# taken out, since CMake wraps its error messages.
function(configure result output)
    execute_process(COMMAND ${CMAKE_COMMAND} -S ${tree} -B ${build}
                    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
    string(REGEX REPLACE "[ \n]+" " " out "${out}")
    set(${result} ${code} PARENT_SCOPE)
    set(${output} "${out}" PARENT_SCOPE)
endfunction()

mirror_pictures()
configure(code output)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "the whole set of pictures does not configure: ${output}")
endif()

# Each case: what is taken away (relative to resources/), then the words the
# message must hold.
set(cases
    "bitmaps/*|resources/bitmaps holds 0 of the 80 card bitmaps"
    "bitmaps/142.dib|resources/bitmaps holds 79 of the 80 card bitmaps the program carries (missing: 142.dib)"
    "renditions/*|resources/renditions holds 0 of the 85 renditions"
    "renditions/title.png|resources/renditions holds 84 of the 85 renditions the program carries (missing: title.png)"
    "artwork/*|resources/artwork holds 0 of the 7 window pictures"
    "artwork/hand-cursor.png|resources/artwork holds 6 of the 7 window pictures the program carries (missing: hand-cursor.png)"
    "icons/*|resources/icons holds 0 of the 4 program icons")
set(failures "")
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 taken)
    list(GET case 1 expected)
    mirror_pictures()
    file(GLOB doomed ${tree}/resources/${taken})
    if(NOT doomed)
        message(FATAL_ERROR "the real resources hold nothing matching ${taken}")
    endif()
    file(REMOVE ${doomed})
    configure(code output)
    string(FIND "${output}" "${expected}" at)
    string(FIND "${output}" "sh tools/artwork/generate.sh" how)
    if(code EQUAL 0 OR at EQUAL -1 OR how EQUAL -1)
        string(APPEND failures "\nwithout ${taken}: configure ended with ${code}, wanted a message holding "
                               "\"${expected}\" and how to draw the pictures; it wrote: ${output}\n")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
