# Install rules, the CMake package and the pkg-config file.
include(CMakePackageConfigHelpers)

set(quindle_package QuindleBMPBrightnessRGB)
set(quindle_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/${quindle_package})

target_include_directories(QuindleBMPBrightnessRGB INTERFACE
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
set_target_properties(QuindleBMPBrightnessRGB PROPERTIES
  PUBLIC_HEADER ${PROJECT_SOURCE_DIR}/include/QuindleBMPBrightnessRGB.h)

install(TARGETS QuindleBMPBrightnessRGB EXPORT ${quindle_package}Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS quindle-bmp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(EXPORT ${quindle_package}Targets
  NAMESPACE ${quindle_package}::
  DESTINATION ${quindle_cmake_dir})

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/${quindle_package}Config.cmake.in
  ${PROJECT_BINARY_DIR}/${quindle_package}Config.cmake
  INSTALL_DESTINATION ${quindle_cmake_dir})
# A 1.x consumer works with any 1.x library: the C interface only grows
# within a major version.
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/${quindle_package}ConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/${quindle_package}Config.cmake
  ${PROJECT_BINARY_DIR}/${quindle_package}ConfigVersion.cmake
  DESTINATION ${quindle_cmake_dir})

# The .pc file finds its prefix from its own place, so the tree can move.
file(RELATIVE_PATH PC_PREFIX_FROM_PCFILEDIR
  /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${quindle_package}.pc.in
  ${PROJECT_BINARY_DIR}/${quindle_package}.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${quindle_package}.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(FILES README.md LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual page, made from the tool's own --help when help2man is there.
find_program(HELP2MAN help2man)
find_program(GZIP gzip)
if(HELP2MAN AND GZIP)
  set(quindle_man ${PROJECT_BINARY_DIR}/quindle-bmp.1)
  add_custom_command(OUTPUT ${quindle_man}.gz
    COMMAND ${HELP2MAN} --no-info --no-discard-stderr
            --name "brightness, inspection and rescaling of BMP files"
            --output ${quindle_man} $<TARGET_FILE:quindle-bmp>
    COMMAND ${GZIP} -9nf ${quindle_man}
    DEPENDS quindle-bmp
    COMMENT "Writing the manual page of quindle-bmp")
  add_custom_target(quindle_man_page ALL DEPENDS ${quindle_man}.gz)
  install(FILES ${quindle_man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The changelog, compressed as Debian wants it.
if(GZIP)
  set(quindle_changelog ${PROJECT_BINARY_DIR}/changelog.gz)
  add_custom_command(OUTPUT ${quindle_changelog}
    COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${quindle_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
  add_custom_target(quindle_changelog ALL DEPENDS ${quindle_changelog})
  install(FILES ${quindle_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
