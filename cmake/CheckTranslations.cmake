# cmake -DMSGFMT=... -DTRANSLATIONS=dir -DLANGUAGES="en;zh_TW" -DWORK=dir
#       [-DLRELEASE=... -DLCONVERT=...] -P CheckTranslations.cmake
# Fails when a text of a catalog is untranslated or unfinished, or when a translation drops
# or changes a placeholder; prints each catalog's coverage.
file(MAKE_DIRECTORY ${WORK})
set(failed FALSE)
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")

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
  check_po(${TRANSLATIONS}/core/${language}.po "core and pictavo-cli, ${language}")
  if(LRELEASE)
    set(ts ${TRANSLATIONS}/window/pictavo_${language}.ts)
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
