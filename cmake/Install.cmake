# Installing the game, and its Debian package.
#
# The game reads and writes everything relative to its working directory, so
# it is installed as one self-contained folder: the executable and its
# message box and print programs with BMP/, its larger twin BMP2x/ and
# Sound/ beside them, the ".mask" files already made and dated after their pictures. It lies in <prefix>/lib/games/brickwork-garden, Debian's place for
# a game's architecture-dependent files (an executable may not live under
# share/). The launcher "brickwork-garden" goes to <prefix>/games, which
# Debian puts on every user's PATH for /usr and /usr/local; for a prefix in
# the home folder, set BRICKWORK_LAUNCHER_DIR=bin. The launcher finds the
# game folder relative to itself, so the tree can be installed anywhere.

set(BRICKWORK_GAME_FOLDER lib/games/brickwork-garden CACHE STRING
    "Game folder below the install prefix: the executable with its pictures and sounds")
set(BRICKWORK_LAUNCHER_DIR games CACHE STRING
    "Folder below the install prefix for the launcher brickwork-garden")

install(TARGETS brickwork-garden brickwork-garden-message-box brickwork-garden-print
    RUNTIME DESTINATION ${BRICKWORK_GAME_FOLDER})
# Only the shipped data: a developer's saved game, log or screenshots in the
# build's game folder stay behind.
install(DIRECTORY ${GAME_DIR}/BMP ${GAME_DIR}/BMP2x ${GAME_DIR}/Sound
    DESTINATION ${BRICKWORK_GAME_FOLDER}
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
    DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                          WORLD_READ WORLD_EXECUTE
    FILES_MATCHING PATTERN "*.png" PATTERN "*.jpg" PATTERN "*.bmp" PATTERN "*.wav"
                   PATTERN "*.mask")

set(BRICKWORK_MAINTAINER
    "Brickwork Garden maintainers <maintainers@users.noreply.c-seed-b4bfa089.example>"
    CACHE STRING "Maintainer field of the Debian package")
# Where the project is published, ending in "/"; software centres fetch the
# screenshot from below it: packaging/screenshot.png, taken from the running
# game by scripts/screenshot.py and committed.
set(BRICKWORK_HOMEPAGE "https://c-seed-b4bfa089.example/brickwork-garden/"
    CACHE STRING "The game's home page, ending in /")
set(BRICKWORK_APPSTREAM_ID example.c_seed_b4bfa089.brickwork_garden)

# Launcher, desktop entry, icons, manual page, AppStream metadata, licence and
# changelog.
add_subdirectory(packaging)

# The Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brickwork-garden)
set(CPACK_PACKAGE_VENDOR "Brickwork Garden")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture-building game for children")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BRICKWORK_MAINTAINER})
# The runtime libraries the executables link, as Debian names them: the
# print helper brings the CUPS library (libcups2). The print server itself
# is only recommended: without one the game plays and does not print.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS cups)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The long description; CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Brickwork Garden is a full-screen game in which a child builds a palace
scene freely: towers, walls, roofs, trees, flags and friends come from a
toolbar, follow the mouse, snap to the pieces already laid, and can be
picked up again, stamped, mirrored, resized and tinted. Backgrounds and
frames change the scene; the picture can be saved, loaded, kept as an image
or made the desktop wallpaper, or printed.
.
Each player's saved game and pictures are kept in
~/.local/share/brickwork-garden.")
include(CPack)
