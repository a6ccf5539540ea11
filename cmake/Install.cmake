# `cmake --install build --prefix P`: the programs in P/bin, their data in P/share/pictavo,
# and the desktop's share: icons, manual pages, and for the window program its menu entry
# and software-centre description. Tests and benchmarks are never installed.
set(PICTAVO_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS pictavo-cli RUNTIME DESTINATION bin)
if(TARGET pictavo)
  install(TARGETS pictavo RUNTIME DESTINATION bin)
endif()

foreach(file ${PICTAVO_DATA_FILES})
  get_filename_component(folder ${file} DIRECTORY)
  install(FILES resources/${file} DESTINATION ${PICTAVO_DATA_DIR}/${folder})
endforeach()

foreach(size ${PICTAVO_ICON_SIZES})
  install(FILES resources/icons/pictavo-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME pictavo.png)
endforeach()
install(FILES resources/icons/pictavo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages, compressed as Debian installs them.
set(PICTAVO_MAN_PAGES pictavo-cli.1)
if(TARGET pictavo)
  list(APPEND PICTAVO_MAN_PAGES pictavo.1)
endif()
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed_pages)
foreach(page ${PICTAVO_MAN_PAGES})
  set(source ${PROJECT_SOURCE_DIR}/resources/man/${page})
  set(compressed ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${source} > ${compressed}
    DEPENDS ${source} VERBATIM)
  list(APPEND compressed_pages ${compressed})
endforeach()
# Every page in Chinese too, in the man folders of those languages.
set(translated_pages)
foreach(language zh_CN zh_TW)
  foreach(page ${PICTAVO_MAN_PAGES})
    set(source ${PROJECT_SOURCE_DIR}/resources/man/${language}/${page})
    set(compressed ${CMAKE_BINARY_DIR}/man/${language}/${page}.gz)
    add_custom_command(OUTPUT ${compressed}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man/${language}
      COMMAND ${GZIP_PROGRAM} -9 -n -c ${source} > ${compressed}
      DEPENDS ${source} VERBATIM)
    list(APPEND translated_pages ${compressed})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
  endforeach()
endforeach()
add_custom_target(pictavo_man_pages ALL DEPENDS ${compressed_pages} ${translated_pages})
install(FILES ${compressed_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# A menu entry only for a program that exists.
if(TARGET pictavo)
  install(FILES resources/desktop/pictavo.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/desktop/org.pictavo.Pictavo.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
