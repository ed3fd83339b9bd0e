# Installation and the Debian package (scripts/package builds it with CPack): the two
# programs, the desktop entry, the MIME type of books, the thumbnailer entry, the icons, the
# AppStream metadata, the manual pages, zebtool's bash completion, the sample guide book,
# copyright and changelog.

include(GNUInstallDirs)

option(BRIGHTFOLD_PACKAGING "Build everything the package installs; fails when a tool for it is missing" OFF)

set(BRIGHTFOLD_APP_ID org.brightfold.brightfold)
set(BRIGHTFOLD_HOMEPAGE https://brightfold.org/)
set(BRIGHTFOLD_MAINTAINER "Brightfold developers <developers@brightfold.org>")
set(packaging_source ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_build ${PROJECT_BINARY_DIR}/packaging)
set(metainfo_file ${packaging_source}/${BRIGHTFOLD_APP_ID}.metainfo.xml)

if(BRIGHTFOLD_PACKAGING)
  set(packaging_problem FATAL_ERROR)
else()
  set(packaging_problem WARNING)
endif()

# The newest release of the metainfo and of the changelog is the project's version: a
# version raised without saying what it brings stops the package.
file(READ ${metainfo_file} metainfo_text)
string(REGEX MATCH "<release version=\"([^\"]*)\" date=\"([^\"]*)\"" release_line "${metainfo_text}")
set(BRIGHTFOLD_RELEASE_DATE ${CMAKE_MATCH_2})
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(${packaging_problem} "${metainfo_file}: the newest release is '${CMAKE_MATCH_1}', not ${PROJECT_VERSION}")
endif()
file(STRINGS ${packaging_source}/changelog changelog_top LIMIT_COUNT 1)
string(REGEX MATCH "^brightfold \\(([^)]*)\\)" changelog_line "${changelog_top}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(${packaging_problem} "${packaging_source}/changelog: the newest entry is '${CMAKE_MATCH_1}', not ${PROJECT_VERSION}")
endif()

# Manual pages, with the version and the release date, compressed as Debian wants them.
set(packaged_files)
foreach(page brightfold zebtool)
  configure_file(${packaging_source}/man/${page}.1.in ${packaging_build}/man/${page}.1 @ONLY)
  add_custom_command(
    OUTPUT ${packaging_build}/man/${page}.1.gz
    COMMAND gzip -9 -n -f -k ${packaging_build}/man/${page}.1
    DEPENDS ${packaging_build}/man/${page}.1
    COMMENT "Compressing the manual page ${page}.1")
  list(APPEND packaged_files ${packaging_build}/man/${page}.1.gz)
endforeach()
add_custom_command(
  OUTPUT ${packaging_build}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${packaging_source}/changelog ${packaging_build}/changelog
  COMMAND gzip -9 -n -f ${packaging_build}/changelog
  DEPENDS ${packaging_source}/changelog
  COMMENT "Compressing the changelog")
list(APPEND packaged_files ${packaging_build}/changelog.gz)

install(TARGETS zebtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging_build}/man/zebtool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_source}/bash-completion/zebtool
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${PROJECT_BINARY_DIR}/samples/guide.zeb DESTINATION ${CMAKE_INSTALL_DATADIR}/brightfold/samples)
install(FILES ${packaging_source}/copyright ${packaging_build}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brightfold)

if(BRIGHTFOLD_GUI)
  install(TARGETS brightfold RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${packaging_build}/man/brightfold.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${packaging_source}/brightfold.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${packaging_source}/brightfold-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME brightfold.xml)
  install(FILES ${metainfo_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # File managers draw each book's cover with zebtool thumbnail (drawing needs the Qt front).
  install(FILES ${packaging_source}/brightfold.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
  install(FILES ${packaging_source}/icons/brightfold.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  # The pictures of the icon at the sizes of the hicolor theme, rendered from the SVG.
  find_program(RSVG_CONVERT rsvg-convert)
  if(RSVG_CONVERT)
    foreach(size 16 32 48 64 128 256)
      set(picture ${packaging_build}/icons/${size}x${size}/brightfold.png)
      add_custom_command(
        OUTPUT ${picture}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_build}/icons/${size}x${size}
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${picture}
                ${packaging_source}/icons/brightfold.svg
        DEPENDS ${packaging_source}/icons/brightfold.svg
        COMMENT "Rendering the icon at ${size} pixels")
      list(APPEND packaged_files ${picture})
      install(FILES ${picture} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
  else()
    message(${packaging_problem} "rsvg-convert (librsvg2-bin) not found: the icon is installed as SVG only")
  endif()
endif()

add_custom_target(packaged_files ALL DEPENDS ${packaged_files})

# The package's programs carry no symbols, nor the compiler's notes that nothing reads.
if(BRIGHTFOLD_PACKAGING)
  set(stripped zebtool)
  if(BRIGHTFOLD_GUI)
    list(APPEND stripped brightfold)
  endif()
  foreach(program IN LISTS stripped)
    install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\"
                  COMMAND_ERROR_IS_FATAL ANY)")
  endforeach()
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brightfold)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brightfold developers")
set(CPACK_PACKAGE_CONTACT ${BRIGHTFOLD_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The programs are stripped at installation (below), as dh_strip does it.
set(CPACK_STRIP_FILES OFF)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BRIGHTFOLD_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BRIGHTFOLD_HOMEPAGE})
# The libraries the programs link are found by dpkg-shlibdeps (Qt's X11 and offscreen
# platforms and its FFmpeg media backend come with those libraries). libcurl is not linked:
# the transfers load it when a form first sends something, so it is named here. What is only
# looked for at run time is recommended: the faces that stand in for the Windows fonts books
# name, and Qt's Wayland platform.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reader of .zeb hypertext e-books")
# The synopsis is the summary above; this is the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Brightfold shows .zeb hypertext e-books: single-file books of rich-text
pages, links between pages and into other books, pictures, tables, frame
sets, forms, keywords and a contents tree, written on Windows by an
authoring tool. It offers a contents sidebar, keyword and full-text search,
printing on paper or into PDF files, and copying as RTF and plain text;
nothing a book names starts without the reader asking first.
.
The package also holds zebtool, which reads, searches, converts and renders
books from the command line, and a sample guide book.")
include(CPack)
