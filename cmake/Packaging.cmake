# A Debian package of the module, its header, the tool and their documentation.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quindlebmpbrightnessrgb)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The QuindleBMPBrightnessRGB authors")
set(CPACK_PACKAGE_CONTACT "QuindleBMPBrightnessRGB authors <maintainers@quindle.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel brightness for uncompressed BMP images")
# CPack indents each line and marks the empty one as a paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "A shared library exporting one C function, BMPBrightnessRGB, that reads an
uncompressed BMP file of depth 1, 4, 8, 16, 24 or 32, scales the red, green
and blue of every pixel by a percentage each, and writes the result at the
same depth, keeping indexed images on their own palette.

The package also holds the C header, a CMake package and a pkg-config file
for building against the library, and quindle-bmp, a command-line tool for
brightness over one file or thousands, header inspection and rescaling.")
# The shared library asks for the linker cache to be refreshed by trigger.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/triggers)
include(CPack)
