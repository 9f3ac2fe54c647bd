# What keeps the builds short on a two-core machine (docs/build-times.md has the figures).
# Nothing here changes what the programs do: only how often the compiler reads the same
# headers, and how hard it optimises code that is no part of the programs.

# Precompiled headers: the Qt, GoogleTest, CLI11 and JSON headers take most of the parsing
# of each file that includes them; each target reads them once instead of once per file.
set(doortrim_std_headers <algorithm> <array> <functional> <map> <memory> <optional> <string>
    <vector>)
set(doortrim_qt_gui_headers <QColor> <QFont> <QImage> <QPainter> <QString> <QStringList>
    ${doortrim_std_headers})
set(doortrim_qt_widget_headers <QAction> <QApplication> <QDialog> <QGridLayout> <QGroupBox>
    <QHBoxLayout> <QLabel> <QLineEdit> <QMenu> <QMessageBox> <QPushButton> <QTimer>
    <QVBoxLayout> <QWidget> ${doortrim_qt_gui_headers})
set(doortrim_test_headers <gtest/gtest.h> ${doortrim_std_headers})

function(doortrim_precompile target)
  if(TARGET ${target})
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

doortrim_precompile(doortrim_render ${doortrim_qt_gui_headers})
foreach(target doortrim_widgets doortrim_editors doortrim_balance doortrim_app)
  doortrim_precompile(${target} ${doortrim_qt_widget_headers})
endforeach()
doortrim_precompile(doortrim_core_tests ${doortrim_test_headers})
doortrim_precompile(doortrim_cli_tests ${doortrim_test_headers} <nlohmann/json.hpp>)
doortrim_precompile(doortrim_render_tests ${doortrim_test_headers} ${doortrim_qt_gui_headers})
foreach(target doortrim_gui_tests doortrim_macro_tests)
  doortrim_precompile(${target} ${doortrim_test_headers} ${doortrim_qt_widget_headers} <QTest>)
endforeach()

# The command-line commands each include CLI11, whose functions are all inline and whose
# headers define objects that every file including them constructs: compiled in two batches
# (unity builds), that code is generated twice instead of once per command. (A precompiled
# header would not help: it saves the reading, not the code.) Only the files named here are
# batched, so a new file never breaks the build; a file joins a batch only if none of its
# internal names (anonymous namespace, static) is also defined in another file of that batch,
# since a batch is one translation unit. TargetCommand.cpp repeats names of both batches.
if(TARGET doortrim_cli_lib)
  set_target_properties(doortrim_cli_lib PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
  set(cli_dir ${PROJECT_SOURCE_DIR}/src/cli)
  foreach(file CliApp DoorOptions PositionOptions AdviceOptions EvaluateCommand SolveCommand
               SaveCommand ReportCommand MapCommand)
    set_source_files_properties(${cli_dir}/${file}.cpp TARGET_DIRECTORY doortrim_cli_lib
                                PROPERTIES UNITY_GROUP options_and_solving)
  endforeach()
  foreach(file PathsCommand PrintCommand RenderCommand SweepCommand VaryCommand
               UncertaintyCommand)
    set_source_files_properties(${cli_dir}/${file}.cpp TARGET_DIRECTORY doortrim_cli_lib
                                PROPERTIES UNITY_GROUP pictures_and_searches)
  endforeach()
endif()

# The test programs' own code is not what users run: it is compiled without optimisation,
# which halves its compile time. The program code they test keeps the build's optimisation
# (-O3 in the plain build), so optimiser-only faults still show.
foreach(target doortrim_core_tests doortrim_cli_tests doortrim_document_tests
               doortrim_render_tests doortrim_gui_tests doortrim_macro_tests
               doortrim_install_tests doortrim_test_support doortrim_test_main)
  if(TARGET ${target})
    target_compile_options(${target} PRIVATE -O0)
  endif()
endforeach()

# The sanitizers find faults as the code runs, so their build needs no optimisation to find
# them, and -O0 keeps every access in place. The core, where the tests spend their time in
# the solvers, keeps -O1 so the suite runs about as fast as before.
if(DOORTRIM_SANITIZE AND TARGET doortrim_core)
  target_compile_options(doortrim_core PRIVATE -O1)
endif()
