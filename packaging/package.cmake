# `make package` builds a Debian package of what `cmake --install` puts in
# place, with the files Debian asks of every package: the copyright, a
# changelog and manual pages, compressed as it wants them (gzip -9n, so the
# same bytes every build).
include(GNUInstallDirs)

find_program(PELLAX_GZIP gzip REQUIRED)
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
set(compressed)
foreach(source ${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${CMAKE_SOURCE_DIR}/data/man/pellax.1
               ${CMAKE_SOURCE_DIR}/data/man/pellax-tool.1)
  get_filename_component(name ${source} NAME)
  set(out ${packaging_out}/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${packaging_out}/${name}
    COMMAND ${PELLAX_GZIP} -9nf ${packaging_out}/${name}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND compressed ${out})
endforeach()
add_custom_target(pellax_packaging_files ALL DEPENDS ${compressed})

install(FILES ${packaging_out}/pellax.1.gz ${packaging_out}/pellax-tool.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${packaging_out}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pellax)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pellax)
set(CPACK_PACKAGE_VENDOR "The Pellax developers")
set(CPACK_PACKAGE_CONTACT "Pellax developers <pellax@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/pellax/pellax)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders the install step makes are 0755 whatever the umask of whoever builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the programs link (Qt 6, StormLib, the C++ runtime) come from
# dpkg-shlibdeps; Qt cannot open a window without its platform plugins, which
# its library packages only recommend.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "editor for Starcraft game-type files
Pellax shows every field of one Starcraft game-type file (.got) in one
window: its name and colour, variation, starting minerals, teams, alliances
and its place in the game's list. Fields can be changed and the file written
back; bytes the editor does not know are carried through untouched.
It also strips or adds the header of trigger files (.trg) and edits template
lists (template.lst). pellax-tool does the same work from the command line.")

include(CPack)
