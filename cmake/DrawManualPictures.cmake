# Draws every window of the dialog gallery in one interface language, for the manual.
#
#   cmake -DRUNTIME=<program folder> -DLANG_ID=0x409 -DOUT=<pictures dir> -DWORK=<scratch dir>
#         -DPROJECT=<project file name under Project/> -P DrawManualPictures.cmake
#
# The editor takes its interface language from its program folder's APP.INI ([RESOURCE]
# LoadResource), never from the build machine's locale: the pictures are drawn in a scratch
# program folder beside the build's, the same except for that one key. The editor finds its
# folder from its own path, so the scratch folder holds a hard link to it (a copy where the file
# system has no links).

foreach(var RUNTIME LANG_ID OUT WORK PROJECT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "DrawManualPictures: ${var} is not set")
    endif()
endforeach()

foreach(var RUNTIME OUT WORK)
    get_filename_component(${var} ${${var}} ABSOLUTE)
endforeach()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# What the editor reads from its folder; the other programs and the flasher stay out.
file(GLOB entries RELATIVE ${RUNTIME} ${RUNTIME}/*)
foreach(entry ${entries})
    if(entry MATCHES "^(dorvane-cli|velmar-.*|Quillet)$")
        continue()
    endif()
    if(entry STREQUAL "dorvane")
        file(CREATE_LINK ${RUNTIME}/dorvane ${WORK}/dorvane COPY_ON_ERROR)
    else()
        file(COPY ${RUNTIME}/${entry} DESTINATION ${WORK})
    endif()
endforeach()

file(READ ${WORK}/APP.INI ini)
string(REGEX REPLACE "\n[ \t]*LoadResource[ \t]*=[^\n]*" "" ini "${ini}")
string(FIND "${ini}" "[RESOURCE]\n" at)
if(at LESS 0)
    string(APPEND ini "\n[RESOURCE]\n")
endif()
string(REPLACE "[RESOURCE]\n" "[RESOURCE]\nLoadResource=${LANG_ID}\n" ini "${ini}")
file(WRITE ${WORK}/APP.INI "${ini}")

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
# Pictures an earlier build drew straight into the pictures folder, in whatever language.
get_filename_component(pictures ${OUT} DIRECTORY)
file(GLOB stale ${pictures}/*.png)
if(stale)
    file(REMOVE ${stale})
endif()
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${WORK}/dorvane --grab-dialogs ${OUT} ${WORK}/Project/${PROJECT}
                RESULT_VARIABLE status ERROR_VARIABLE errors)
file(REMOVE_RECURSE ${WORK})
if(NOT status EQUAL 0)
    message(FATAL_ERROR "Drawing the manual's pictures (${LANG_ID}) failed: ${errors}")
endif()
