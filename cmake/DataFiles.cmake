# The program's read-only data. At run time a program finds it in ../share/pictavo from its
# own folder (platform/folders.cpp), so the build tree holds a copy in the same place as an
# installed or relocated copy does, and one list serves both.
set(PICTAVO_DATA_DIR share/pictavo)
set(PICTAVO_DATA_FILES
  magick/policy.xml
  icons/pictavo.svg
  help/unzip.html
  help/unzip.en.html
  help/unzip.zh_TW.html)

foreach(file ${PICTAVO_DATA_FILES})
  # configure_file copies again whenever the source changes.
  configure_file(${PROJECT_SOURCE_DIR}/resources/${file}
                 ${CMAKE_BINARY_DIR}/${PICTAVO_DATA_DIR}/${file} COPYONLY)
endforeach()
