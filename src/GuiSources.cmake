# The desktop program. Every file here may use Qt; the core above must not.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

# What the desktop program and the command-line program share of Qt Core, without widgets.
add_library(doortrim_qtcore STATIC
  shell/ReportDateTime.cpp
)
target_include_directories(doortrim_qtcore PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(doortrim_qtcore PUBLIC Qt6::Core)

add_library(doortrim_gui STATIC
  ${CMAKE_SOURCE_DIR}/resources/resources.qrc
  shell/UserLocale.cpp
  shell/WindowPlacement.cpp
  shell/ReactivationRefill.cpp
  shell/HelpBrowser.cpp
  shell/TextFileWindow.cpp
  shell/CalculatorLauncher.cpp
  editors/ScPic.cpp
  editors/TableEditor.cpp
  editors/THydro_f.cpp
  editors/TKGeom_f.cpp
  editors/TGround_f.cpp
  editors/ProjUi.cpp
  editors/TProj_f.cpp
  shell/TEditF.cpp
  shell/TAskAny.cpp
  shell/TAboutBox.cpp
  shell/TMain_f.cpp
  shell/DoorTrimApp.cpp
  balance/ThreeViewDrawing.cpp
  balance/TBDetail_f.cpp
  balance/BalanceUi.cpp
  balance/BalanceViewLayout.cpp
  balance/TBalance_f.cpp
  shell/TSpinButton.cpp
  editors/ScalarDialog.cpp
  editors/TEnvir_f.cpp
  editors/TTrawl_f.cpp
  editors/TKOrg_f.cpp
)
target_include_directories(doortrim_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(doortrim_gui PUBLIC doortrim_core doortrim_qtcore
  Qt6::Widgets Qt6::Svg Qt6::SvgWidgets Qt6::PrintSupport Qt6::DBus)

add_executable(doortrim shell/main.cpp)
target_link_libraries(doortrim PRIVATE doortrim_gui)
