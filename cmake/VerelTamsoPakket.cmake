# The program's Debian package: what `cmake --install` puts under /usr (the
# program, its catalogues, its desktop entry, file type and icon), made in a
# build folder with
#     cpack -G DEB
# Its name is the one the update check looks for in the version's folder on
# the update server: VerelTamso_<version>_Linux_<processor>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME VerelTamso)
set(CPACK_PACKAGE_VENDOR "Trivane Embedded Systemen")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Trivane Embedded Systemen <info@trivane.nl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Requirements engineering tool")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "VerelTamso keeps the requirements of an engineering project in one SQLite file and lets you list, filter, "
       "search, sort, edit, number and sign off requirements, and follow the costs and the completion of the "
       "project.")
set(CPACK_PACKAGE_FILE_NAME "VerelTamso_${PROJECT_VERSION}_Linux_${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build keeps its debugging information; the package does not need it.
set(CPACK_STRIP_FILES ON)

# Debian's names are in lower case.
set(CPACK_DEBIAN_PACKAGE_NAME vereltamso)
set(CPACK_DEBIAN_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}.deb")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.trivane.nl")
# The libraries the program is linked with, as dpkg-shlibdeps finds them
# (libsodium's runtime among them, with which an update's signature is
# checked); besides them xdg-open, through which the program opens folders,
# web addresses and the package of an update, and the locales: the program
# puts itself into the chosen language's locale, which GTK's own buttons and
# dialogs follow (locale-gen makes a missing one).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, locales")
# The toolkit's own texts (buttons, standard dialogs) in the languages offered,
# and a font with the Japanese and Korean letters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wx3.2-i18n, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
