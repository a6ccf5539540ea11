# cmake -DMSGFMT=... -DTRANSLATIONS=dir -DLANGUAGES="en;zh_TW" -DWORK=dir
#       [-DSOURCES=dir -DXGETTEXT=... -DMSGMERGE=...] [-DLRELEASE=... -DLCONVERT=... -DLUPDATE=...]
#       -P CheckTranslations.cmake
# Fails when a text of the sources or of a catalog is untranslated or unfinished, or when a
# translation drops or changes a placeholder; prints each catalog's coverage. With SOURCES,
# the texts are gathered from the sources afresh into copies of the catalogs in WORK, so a
# text added to the code without its translations fails here.
file(MAKE_DIRECTORY ${WORK})
set(failed FALSE)
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")

if(SOURCES AND XGETTEXT AND MSGMERGE)
  file(GLOB_RECURSE core_sources RELATIVE ${SOURCES} ${SOURCES}/src/*.cpp ${SOURCES}/src/*.h)
  list(FILTER core_sources EXCLUDE REGEX "^src/(ui|app|main)/")
  execute_process(COMMAND ${XGETTEXT} --from-code=UTF-8 --language=C++ --keyword=translate
                          --keyword=translatable --keyword=localText --keyword=localFormat
                          -o ${WORK}/pictavo.pot ${core_sources}
                  WORKING_DIRECTORY ${SOURCES} RESULT_VARIABLE result ERROR_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "xgettext could not gather the core's texts")
  endif()
endif()

# The catalog to check for `language`: the committed one, or its copy brought up to the
# sources' texts.
function(core_catalog language out)
  set(po ${TRANSLATIONS}/core/${language}.po)
  if(EXISTS ${WORK}/pictavo.pot)
    execute_process(COMMAND ${MSGMERGE} --quiet --no-fuzzy-matching -o ${WORK}/core_${language}.po
                            ${po} ${WORK}/pictavo.pot RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "msgmerge failed on ${po}")
    endif()
    set(po ${WORK}/core_${language}.po)
  endif()
  set(${out} ${po} PARENT_SCOPE)
endfunction()

function(window_catalog language out)
  set(ts ${TRANSLATIONS}/window/pictavo_${language}.ts)
  if(SOURCES AND LUPDATE)
    configure_file(${ts} ${WORK}/window_${language}.ts COPYONLY)
    execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -I src -source-language zh_CN
                            -target-language ${language} src/ui src/app src/main
                            -ts ${WORK}/window_${language}.ts
                    WORKING_DIRECTORY ${SOURCES} RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "lupdate could not gather the window's texts")
    endif()
    set(ts ${WORK}/window_${language}.ts)
  endif()
  set(${out} ${ts} PARENT_SCOPE)
endfunction()

# msgfmt --check --statistics on `po`: counts, and placeholder errors as a failure.
function(check_po po label)
  execute_process(COMMAND ${MSGFMT} --check --statistics -o /dev/null ${po}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(STRIP "${err}${out}" report)
  set(translated 0)
  set(missing 0)
  if(report MATCHES "([0-9]+) translated message")
    set(translated ${CMAKE_MATCH_1})
  endif()
  foreach(kind fuzzy untranslated)
    if(report MATCHES "([0-9]+) ${kind} message")
      math(EXPR missing "${missing} + ${CMAKE_MATCH_1}")
    endif()
  endforeach()
  math(EXPR total "${translated} + ${missing}")
  if(total GREATER 0)
    math(EXPR percent "100 * ${translated} / ${total}")
  else()
    set(percent 0)
  endif()
  message(STATUS "${label}: ${translated} of ${total} texts translated (${percent} %)")
  if(NOT result EQUAL 0 OR missing GREATER 0 OR total EQUAL 0)
    message(STATUS "${label}: FAILED\n${report}")
    set(failed TRUE PARENT_SCOPE)
  endif()
endfunction()

foreach(language ${LANGUAGES})
  core_catalog(${language} po)
  check_po(${po} "core and pictavo-cli, ${language}")
  if(LRELEASE)
    window_catalog(${language} ts)
    execute_process(COMMAND ${LRELEASE} ${ts} -qm ${WORK}/pictavo_${language}.qm
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(STRIP "${out}${err}" lrelease_report)
    message(STATUS "window, ${language} (lrelease): ${lrelease_report}")
    if(NOT result EQUAL 0 OR NOT lrelease_report MATCHES "\\(([0-9]+) finished and 0 unfinished\\)"
       OR lrelease_report MATCHES "untranslated")
      message(STATUS "window, ${language}: FAILED (unfinished or untranslated texts)")
      set(failed TRUE)
    endif()
    # As a gettext catalog, Qt's placeholders (%1, %n) are checked like the core's.
    execute_process(COMMAND ${LCONVERT} -i ${ts} -of po -o ${WORK}/window_${language}.po
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      set(failed TRUE)
    endif()
    check_po(${WORK}/window_${language}.po "window, ${language}")
  endif()
endforeach()

if(failed)
  message(FATAL_ERROR "translations are incomplete or break placeholders")
endif()
