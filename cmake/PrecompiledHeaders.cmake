# Precompiled headers: the Qt and GoogleTest headers (with the standard library headers)
# that most window and test sources include are parsed once per library instead of once per
# source file, about two seconds of parsing saved per file. The core has none: its files
# parse in a fraction of that, and GCC 12 warns falsely (-Warray-bounds) in a core file built
# on them. -DPICTAVO_PCH=OFF builds without them, which shows a source that forgets an
# include it needs.
option(PICTAVO_PCH "Precompile the common Qt and GoogleTest headers" ON)

set(PICTAVO_PCH_STD <algorithm> <atomic> <chrono> <cstdint> <cstdlib> <cstring> <filesystem>
    <functional> <memory> <mutex> <optional> <string> <string_view> <thread> <vector>)
set(PICTAVO_PCH_QT <QAction> <QApplication> <QComboBox> <QLabel> <QLineEdit> <QListView>
    <QMenu> <QObject> <QPushButton> <QString> <QTimer> <QWidget>)
set(PICTAVO_PCH_TEST <gtest/gtest.h>)

# A precompiled header GCC cannot use is otherwise parsed again without a word.
function(pictavo_warn_invalid_pch target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Winvalid-pch)
  endif()
endfunction()

# pictavo_precompile(TARGET HEADERS...): TARGET's sources start from HEADERS precompiled.
function(pictavo_precompile target)
  if(PICTAVO_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
    pictavo_warn_invalid_pch(${target})
  endif()
endfunction()

# pictavo_precompile_like(TARGET OTHER): TARGET uses OTHER's precompiled headers, made once.
# Both must be compiled with the same options.
function(pictavo_precompile_like target other)
  if(PICTAVO_PCH)
    target_precompile_headers(${target} REUSE_FROM ${other})
    pictavo_warn_invalid_pch(${target})
  endif()
endfunction()
