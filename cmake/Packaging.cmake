# The Debian package: `cmake --build --preset release --target package` (or
# `cmake --workflow --preset package`) writes volvenda_1.00-1_amd64.deb into
# the build directory, with everything the install rules put under /usr.
include(GNUInstallDirs)
find_program(GZIP_EXECUTABLE gzip REQUIRED)

set(volvenda_package_version ${PROJECT_VERSION})
set(volvenda_package_revision 1)
set(volvenda_package_contact "The Volvenda developers <volvenda@example.org>")

# Debian reads the version of the package's newest changelog entry, so the two must agree.
set(changelog ${PROJECT_SOURCE_DIR}/data/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^volvenda \\(${volvenda_package_version}-${volvenda_package_revision}\\) ")
    message(FATAL_ERROR "data/debian/changelog begins with '${newest_entry}'; its newest entry must be for "
        "${volvenda_package_version}-${volvenda_package_revision}, the version of the package")
endif()

# Debian wants the changelog gzipped; -n keeps the time out of the file.
add_custom_command(OUTPUT changelog.Debian.gz
    COMMAND ${GZIP_EXECUTABLE} -9nc ${changelog} > changelog.Debian.gz
    DEPENDS ${changelog}
    VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)

# Debian's place for a package's documents is named after the package, in
# lower case, whatever the project is called.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/volvenda)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz
    DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME volvenda)
set(CPACK_PACKAGE_VERSION ${volvenda_package_version})
set(CPACK_PACKAGE_CONTACT ${volvenda_package_contact})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Whatever the umask of the machine that builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_RELEASE ${volvenda_package_revision})
# name_version-revision_architecture.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries themselves (dpkg-shlibdeps). The window
# cannot open without a platform plugin, which no library depends on; the
# Wayland one is only recommended, as the X11 one serves Wayland desktops too.
# So are Qt's own translations, which its dialogs speak the user's language
# with; our catalogues are built into the programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trace epitrochoids in a window or into PNG and SVG files")
set(CPACK_PACKAGE_DESCRIPTION
    "Volvenda draws epitrochoids: the curves traced by a pen fixed to a circle
that rolls round the outside of a fixed circle. Type the two radii and the
pen's distance, press Start, and the curve grows on screen in a colour of
its own, over a grey circle that marks the fixed circle.

volvenda-render draws the same pictures into PNG or SVG files from the
command line, with no display.")

# Without these tools CPack would still write a package, only a poorer one:
# the checks in PackageChecks.cmake stop it instead.
set(CPACK_VOLVENDA_HELP2MAN ${HELP2MAN_EXECUTABLE})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageChecks.cmake)

include(CPack)
