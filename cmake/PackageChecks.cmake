# Read by cpack before it packs. CPack quietly leaves out what it cannot make
# (the library dependencies without dpkg-shlibdeps; the renderer's manual page
# is not even built without help2man), and such a package would install and
# then fail its users: stop here instead, and say what to install.
set(missing)
if(NOT CPACK_VOLVENDA_HELP2MAN)
    list(APPEND missing "help2man (then configure again)")
endif()
find_program(VOLVENDA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT VOLVENDA_DPKG_SHLIBDEPS)
    list(APPEND missing "dpkg-dev")
endif()
if(missing)
    list(JOIN missing " and " missing)
    message(FATAL_ERROR "The Debian package needs ${missing}")
endif()
