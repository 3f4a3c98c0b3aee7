# The tool's install rules and its Debian package: tpq700 in bin, its man page and bash
# completion made from its own help, the guide and the samples as its documentation.
# `cpack --preset deb` writes build/native/tpq700_<version>_<arch>.deb.
set(deb_dir ${CMAKE_CURRENT_BINARY_DIR}/debian)
file(MAKE_DIRECTORY ${deb_dir})

find_program(Q700_HELP2MAN help2man)
if(Q700_HELP2MAN)
  add_custom_command(OUTPUT ${deb_dir}/tpq700.1.gz
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/debian/make_manpage.sh $<TARGET_FILE:tpq700>
            ${deb_dir}/tpq700.1
    COMMAND gzip -9nf ${deb_dir}/tpq700.1
    DEPENDS tpq700 ${CMAKE_CURRENT_SOURCE_DIR}/debian/make_manpage.sh
    COMMENT "Man page tpq700.1 from the tool's help"
    VERBATIM)
  set(man_page ${deb_dir}/tpq700.1.gz)
else()
  message(WARNING "help2man not found: no man page (run scripts/install-deps.sh)")
endif()

add_custom_command(OUTPUT ${deb_dir}/tpq700.bash
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/debian/make_completion.sh $<TARGET_FILE:tpq700>
          ${deb_dir}/tpq700.bash
  DEPENDS tpq700 ${CMAKE_CURRENT_SOURCE_DIR}/debian/make_completion.sh
  COMMENT "Bash completion of tpq700 from the tool's help"
  VERBATIM)
set(Q700_COMPLETION ${deb_dir}/tpq700.bash PARENT_SCOPE)

# A native package keeps its history in changelog.gz; this one names the version being built,
# dated at the last commit so the same checkout makes the same package.
execute_process(COMMAND git log -1 --format=%cD
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE Q700_CHANGELOG_DATE
  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT Q700_CHANGELOG_DATE)
  set(Q700_CHANGELOG_DATE "Thu, 01 Jan 2026 00:00:00 +0000")
endif()
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog.in ${deb_dir}/changelog @ONLY)
add_custom_command(OUTPUT ${deb_dir}/changelog.gz
  COMMAND gzip -9nc ${deb_dir}/changelog > ${deb_dir}/changelog.gz
  DEPENDS ${deb_dir}/changelog
  VERBATIM)
add_custom_target(tool_docs ALL DEPENDS ${man_page} ${deb_dir}/tpq700.bash ${deb_dir}/changelog.gz)

set(doc_dir share/doc/tpq700)
install(TARGETS tpq700 RUNTIME DESTINATION bin)
if(man_page)
  install(FILES ${man_page} DESTINATION share/man/man1)
endif()
install(FILES ${deb_dir}/tpq700.bash DESTINATION share/bash-completion/completions
  RENAME tpq700)
file(GLOB guide_pictures CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.png)
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide.md ${guide_pictures}
  ${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright ${deb_dir}/changelog.gz
  DESTINATION ${doc_dir})
install(FILES ${CMAKE_SOURCE_DIR}/samples/STOCK.TPX ${CMAKE_SOURCE_DIR}/samples/DELIVERY.TPX
  ${CMAKE_SOURCE_DIR}/samples/articles.txt ${CMAKE_SOURCE_DIR}/samples/suppliers.txt
  DESTINATION ${doc_dir}/samples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tpq700)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR MIRDANTO)
set(CPACK_PACKAGE_CONTACT "MIRDANTO <support@mirdanto.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "command-line tool of the Q700 application generator")
set(CPACK_PACKAGE_DESCRIPTION
  "Creates, inspects and changes the project files of the Q700 application\n\
generator by field name, builds their download images and runs them on a\n\
simulated terminal. Over a serial port it downloads applications and lookup\n\
files to Q700 barcode terminals and receives the records they collected. It\n\
can also play a Q700 terminal behind a serial port, so every exchange can be\n\
tried without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.mirdanto.example/q700")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# socat makes the pair of pseudo terminals that 'tpq700 terminal' is tried on.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS socat)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
