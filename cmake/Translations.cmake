# The translations: Simplified Chinese is the source text; each language in
# PICTAVO_LANGUAGES has a gettext catalog for the core and pictavo-cli (translations/core)
# and a Qt Linguist file for the window (translations/window). The compiled catalogs go to
# the build tree's share/pictavo like the other data, so the programs find them from their
# own folder, and are installed beside it.
set(PICTAVO_LANGUAGES en zh_TW)
set(PICTAVO_TRANSLATION_DIR ${PROJECT_SOURCE_DIR}/translations)
find_program(MSGFMT_PROGRAM msgfmt REQUIRED)
find_program(XGETTEXT_PROGRAM xgettext)
find_program(MSGMERGE_PROGRAM msgmerge)
find_program(MSGATTRIB_PROGRAM msgattrib)
if(PICTAVO_WINDOW)
  find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
endif()

set(compiled_catalogs)
foreach(language ${PICTAVO_LANGUAGES})
  set(po ${PICTAVO_TRANSLATION_DIR}/core/${language}.po)
  set(folder ${PICTAVO_DATA_DIR}/locale/${language}/LC_MESSAGES)
  set(mo ${CMAKE_BINARY_DIR}/${folder}/pictavo.mo)
  add_custom_command(OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/${folder}
    COMMAND ${MSGFMT_PROGRAM} --check -o ${mo} ${po}
    DEPENDS ${po} VERBATIM)
  list(APPEND compiled_catalogs ${mo})
  install(FILES ${mo} DESTINATION ${folder})

  if(PICTAVO_WINDOW)
    set(ts ${PICTAVO_TRANSLATION_DIR}/window/pictavo_${language}.ts)
    set(qm ${CMAKE_BINARY_DIR}/${PICTAVO_DATA_DIR}/translations/pictavo_${language}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/${PICTAVO_DATA_DIR}/translations
      COMMAND $<TARGET_FILE:Qt6::lrelease> -silent ${ts} -qm ${qm}
      DEPENDS ${ts} VERBATIM)
    list(APPEND compiled_catalogs ${qm})
    install(FILES ${qm} DESTINATION ${PICTAVO_DATA_DIR}/translations)
  endif()
endforeach()
add_custom_target(pictavo_translations ALL DEPENDS ${compiled_catalogs})

# `cmake --build build --target pictavo_update_translations`: gathers the texts of the
# sources into the catalogs (new texts arrive untranslated, which the check below reports).
set(update_commands)
if(XGETTEXT_PROGRAM AND MSGMERGE_PROGRAM AND MSGATTRIB_PROGRAM)
  set(pot ${PICTAVO_TRANSLATION_DIR}/core/pictavo.pot)
  file(GLOB_RECURSE core_sources RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/src/*.cpp
       ${PROJECT_SOURCE_DIR}/src/*.h)
  list(FILTER core_sources EXCLUDE REGEX "^src/(ui|app|main)/")
  list(APPEND update_commands
    COMMAND ${XGETTEXT_PROGRAM} --from-code=UTF-8 --language=C++ --keyword=translate
            --keyword=translatable --keyword=localText
            --keyword=localFormat --add-location=file --sort-by-file --package-name=pictavo
            -o ${pot} ${core_sources})
  foreach(language ${PICTAVO_LANGUAGES})
    set(po ${PICTAVO_TRANSLATION_DIR}/core/${language}.po)
    list(APPEND update_commands COMMAND ${MSGMERGE_PROGRAM} --quiet --update --backup=none
         --no-fuzzy-matching ${po} ${pot}
         COMMAND ${MSGATTRIB_PROGRAM} --no-obsolete -o ${po} ${po})
  endforeach()
endif()
if(PICTAVO_WINDOW)
  foreach(language ${PICTAVO_LANGUAGES})
    list(APPEND update_commands COMMAND $<TARGET_FILE:Qt6::lupdate> -silent -locations relative
         -no-obsolete -I src -source-language zh_CN -target-language ${language}
         src/ui src/app src/main
         -ts ${PICTAVO_TRANSLATION_DIR}/window/pictavo_${language}.ts)
  endforeach()
endif()
add_custom_target(pictavo_update_translations ${update_commands}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)

# The build check: every text of the window and the core, gathered from the sources afresh,
# translated in every language, with the same placeholders (gettext's --check compares printf
# placeholders of the core's texts and, through lconvert, Qt's %1 and %n of the window's).
# Prints the coverage.
if(PICTAVO_TESTS)
  string(REPLACE ";" "," languages_with_commas "${PICTAVO_LANGUAGES}")
  set(check_arguments -DMSGFMT=${MSGFMT_PROGRAM} -DTRANSLATIONS=${PICTAVO_TRANSLATION_DIR}
      "-DLANGUAGES=${languages_with_commas}" -DWORK=${CMAKE_BINARY_DIR}/translation_check
      -DSOURCES=${PROJECT_SOURCE_DIR} -DXGETTEXT=${XGETTEXT_PROGRAM} -DMSGMERGE=${MSGMERGE_PROGRAM})
  if(PICTAVO_WINDOW)
    list(APPEND check_arguments -DLRELEASE=$<TARGET_FILE:Qt6::lrelease>
         -DLCONVERT=$<TARGET_FILE:Qt6::lconvert> -DLUPDATE=$<TARGET_FILE:Qt6::lupdate>)
  endif()
  add_test(NAME translation_coverage
           COMMAND ${CMAKE_COMMAND} ${check_arguments} -P ${PROJECT_SOURCE_DIR}/cmake/CheckTranslations.cmake)
endif()
