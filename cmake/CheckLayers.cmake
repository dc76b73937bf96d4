# Stops the build when a game source includes a header from a layer above its
# own. The layers, lowest first; each may use only itself and those below:
#   platform  the machine: X, sound, files, processes, the log
#   video     pictures into textures, drawing, captures
#   ui        widgets and the mouse and keyboard as the game sees them
#   palace    bricks, the pile, catalogues, toolbar, drag handler, level
#   savegame  the saved-game file
#   startup   the run: window, phases, banners, display mode
# Run as: cmake -DSOURCE_DIR=<repository> -DSTAMP=<file> -P CheckLayers.cmake
set(layers platform video ui palace savegame startup)
file(GLOB_RECURSE sources "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.hpp")
set(faults "")
foreach(source IN LISTS sources)
    file(RELATIVE_PATH relative "${SOURCE_DIR}/src" "${source}")
    string(REGEX MATCH "^[a-z]+" own "${relative}")
    list(FIND layers "${own}" ownRank)
    if(ownRank EQUAL -1)
        list(APPEND faults "${relative}: in no layer")
        continue()
    endif()
    file(STRINGS "${source}" includes REGEX "^#include \"[a-z]+/")
    foreach(line IN LISTS includes)
        string(REGEX MATCH "\"([a-z]+)/" ignored "${line}")
        list(FIND layers "${CMAKE_MATCH_1}" usedRank)
        if(usedRank GREATER ownRank)
            list(APPEND faults "${relative}: ${line}")
        endif()
    endforeach()
endforeach()
if(faults)
    list(JOIN faults "\n  " report)
    message(FATAL_ERROR "Includes that reach up a layer (move the code down, or hand it in from above):\n  ${report}")
endif()
file(TOUCH "${STAMP}")
