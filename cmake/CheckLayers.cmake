# Stops the build when a game source includes a header from a room above its
# own. ROOMS lists the rooms of src/, lowest first (the top CMakeLists.txt
# says what each holds); each may use only itself and those before it. The
# build enforces this by each room's include root too; this guard names every
# fault at once, before anything compiles.
# Run as: cmake -DSOURCE_DIR=<repository> -DROOMS=a,b,... -DSTAMP=<file> -P CheckLayers.cmake
file(GLOB_RECURSE sources "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.hpp")
string(REPLACE "," ";" ROOMS "${ROOMS}")
set(faults "")
foreach(source IN LISTS sources)
    file(RELATIVE_PATH relative "${SOURCE_DIR}/src" "${source}")
    string(REGEX MATCH "^[a-z]+" own "${relative}")
    list(FIND ROOMS "${own}" ownRank)
    if(ownRank EQUAL -1)
        list(APPEND faults "${relative}: in no room")
        continue()
    endif()
    # Quotes or angle brackets, indented or not: "# include <play/Toolbar.hpp>".
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][a-z]+/")
    foreach(line IN LISTS includes)
        string(REGEX MATCH "[\"<]([a-z]+)/" ignored "${line}")
        list(FIND ROOMS "${CMAKE_MATCH_1}" usedRank)
        if(usedRank GREATER ownRank)
            string(STRIP "${line}" line)
            list(APPEND faults "${relative}: ${line}")
        endif()
    endforeach()
endforeach()
if(faults)
    list(JOIN faults "\n  " report)
    message(FATAL_ERROR "Includes that reach up a room (move the code down, or hand it in from above):\n  ${report}")
endif()
file(TOUCH "${STAMP}")
