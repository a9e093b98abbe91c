# What `cmake --install` puts where, and the packages made of it: `cpack -G DEB` in the Linux
# build (tq3gen and tq3gen-gui with their menu entry, icons, manual pages and bash completion),
# `cpack -G ZIP` in the mingw build (tq3gen.exe with a README for Windows users). The version is
# the project's; the release date and the maintainer are set here.
include(GNUInstallDirs)

set(TQ3GEN_MAINTAINER "The tq3gen authors <tq3gen@example.org>")
# 2026-12-08 00:00 UTC, as seconds since 1970: the date the manual pages, the package's
# changelog and the software centre entry give for this version.
set(TQ3GEN_RELEASE_EPOCH 1796688000)
set(TQ3GEN_SCREENSHOT_URL "https://tq3gen.example.org/screenshots/settings-window.png"
    CACHE STRING "Where software centres find a picture of the window (scripts/screenshots makes it)")
set(TQ3GEN_SUMMARY "random scenario generator for the strategy game TQ3")

# The release date in the forms the files want.
set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${TQ3GEN_RELEASE_EPOCH})
string(TIMESTAMP TQ3GEN_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP TQ3GEN_RELEASE_MONTH "%B %Y" UTC)
string(TIMESTAMP TQ3GEN_RELEASE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")

# Everything below is installed as the one component that the packages hold, so that nothing a
# dependency may install comes with them.
set(component COMPONENT tq3gen)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
  # The zip: one folder with tq3gen.exe, its README and the license, as Windows' text files.
  install(TARGETS tq3gen RUNTIME DESTINATION . ${component})
  configure_file(${CMAKE_SOURCE_DIR}/data/windows/README.txt.in ${CMAKE_BINARY_DIR}/README.txt
                 @ONLY NEWLINE_STYLE CRLF)
  configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/LICENSE.txt @ONLY
                 NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_BINARY_DIR}/LICENSE.txt DESTINATION .
          ${component})
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME tq3gen-${PROJECT_VERSION}-windows-x64)
else()
  set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tq3gen)
  install(TARGETS tq3gen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} ${component})
  install(FILES ${CMAKE_SOURCE_DIR}/data/completion/tq3gen
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions ${component})
  install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${doc_dir} ${component})
  install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright DESTINATION ${doc_dir} ${component})

  # The manual pages and the changelog, with the version and date filled in and compressed as
  # Debian wants them (gzip -9n: no name and no time in the header).
  set(pages tq3gen)
  if(TQ3GEN_WINDOW)
    list(APPEND pages tq3gen-gui)
  endif()
  set(compressed)
  foreach(page ${pages})
    configure_file(${CMAKE_SOURCE_DIR}/data/man/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1
                   @ONLY)
    list(APPEND compressed ${CMAKE_BINARY_DIR}/man/${page}.1)
    install(FILES ${CMAKE_BINARY_DIR}/man/${page}.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 ${component})
  endforeach()
  configure_file(${CMAKE_SOURCE_DIR}/data/debian/changelog.in ${CMAKE_BINARY_DIR}/doc/changelog
                 @ONLY)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/doc/changelog)
  install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz DESTINATION ${doc_dir} ${component})
  set(outputs)
  foreach(file ${compressed})
    add_custom_command(OUTPUT ${file}.gz COMMAND gzip -9nf -k ${file} DEPENDS ${file} VERBATIM)
    list(APPEND outputs ${file}.gz)
  endforeach()
  add_custom_target(compressed_docs ALL DEPENDS ${outputs})

  if(TQ3GEN_WINDOW)
    # The window: its program, menu entry, software centre entry and the icon in the hicolor
    # theme, drawn by the window's own code at each size it has and as the vector drawing.
    set(app_id org.tq3gen.tq3gen)
    install(TARGETS tq3gen-gui RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} ${component})
    install(FILES ${CMAKE_SOURCE_DIR}/data/${app_id}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications ${component})
    configure_file(${CMAKE_SOURCE_DIR}/data/${app_id}.metainfo.xml.in
                   ${CMAKE_BINARY_DIR}/${app_id}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/${app_id}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo ${component})
    install(FILES ${CMAKE_SOURCE_DIR}/data/tq3gen.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps ${component})
    set(icon_sizes 16 22 24 32 48 64 128 256)
    set(icons)
    foreach(size ${icon_sizes})
      list(APPEND icons ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/tq3gen.png)
    endforeach()
    add_custom_command(OUTPUT ${icons}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
              $<TARGET_FILE:tq3gen-gui> --icon-dir ${CMAKE_BINARY_DIR}/icons
      DEPENDS tq3gen-gui COMMENT "Drawing the icon at each size" VERBATIM)
    add_custom_target(icons ALL DEPENDS ${icons})
    install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
            ${component})
  endif()

  # The Debian package: its dependencies from the libraries the programs link.
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TQ3GEN_MAINTAINER})
endif()

set(CPACK_PACKAGE_NAME tq3gen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TQ3GEN_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${TQ3GEN_SUMMARY})
# The package's long description, in lines short enough for package managers to show as they are.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "tq3gen draws a new world at random for the grand-strategy game TQ3 and\n"
  "writes the game's files: climate, terrain, the provinces' economy, trade\n"
  "goods, religions and cultures, the major nations and their start, and the\n"
  "scenario's armies, fleets, technology and policies.\n"
  "\n"
  "It has a settings window with a map editor (tq3gen-gui) and a headless\n"
  "command line (tq3gen), which also finds fair worlds among many seeds and\n"
  "makes a recorded world again from its recipe.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};tq3gen;tq3gen;/")
include(CPack)

# The manual page and the completion follow the program's options.
if(NOT CMAKE_CROSSCOMPILING)
  add_test(NAME Packaging.ManPageListsTheOptionsOfEverySubcommand
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/packaging/man-page-options.sh $<TARGET_FILE:tq3gen>
            ${CMAKE_SOURCE_DIR}/data/man/tq3gen.1.in)
  add_test(NAME Packaging.CompletionOffersSubcommandsOptionsAndValues
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/packaging/completion.sh $<TARGET_FILE:tq3gen>
            ${CMAKE_SOURCE_DIR}/data/completion/tq3gen)
endif()
