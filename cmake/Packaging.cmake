# Installation and the Debian package (cpack -G DEB). Every program of the project that exists
# in this build is installed to bin/; the catalogs, pictures, examples and the manual go to
# share/kinemo/, where an installed program looks for them (see FindDataFolder).
include(GNUInstallDirs)
foreach(program kinemo kinemo-cli kinemo-cad)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/doc/ DESTINATION ${KINEMO_INSTALL_DATADIR}/doc
        PATTERN "CMakeLists.txt" EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${KINEMO_INSTALL_DATADIR}/examples
        FILES_MATCHING PATTERN "*.kjb" PATTERN "*.md")
# The registry stand-in that registers kinemo-cad as the CAD data program.
install(FILES ${PROJECT_SOURCE_DIR}/dist/registry.ini DESTINATION ${KINEMO_INSTALL_DATADIR})
install(FILES ${PROJECT_SOURCE_DIR}/dist/kinemo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/kinemo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The project file type (.kjb) that the desktop entry lists; dpkg's triggers update the
# desktop's MIME and application databases.
install(FILES ${PROJECT_SOURCE_DIR}/dist/kinemo-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME kinemo.xml)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kinemo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kinemo developers")
set(CPACK_PACKAGE_CONTACT "Kinemo developers <kinemo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Servo motor sizing for machine designers")
set(CPACK_PACKAGE_DESCRIPTION
    "Kinemo describes a machine as a chain of elements from the motor to the load, takes a drive pattern, computes the interval torques at the motor shaft and judges every catalog motor against its limits. With English and Japanese sample catalogs, a command-line tool and a user manual.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The shared libraries the programs link decide the dependencies (dpkg-shlibdeps); the
# Japanese catalog needs a CJK font, and the manual opens in the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, xdg-utils")
include(CPack)
