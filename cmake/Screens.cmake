# The screens library (Qt 6 Widgets) and the wizard executable.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Test Charts Svg Concurrent)

add_library(umbravel_screens STATIC
    platform/Host.cpp
    screens/kit/mduUmbravel.cpp
    screens/kit/EventGuard.cpp
    screens/kit/ScreenParts.cpp
    screens/kit/ScrollingPart.cpp
    screens/kit/DisplayFit.cpp
    screens/kit/CsvSave.cpp
    screens/kit/FixedPitchFont.cpp
    screens/kit/AccessibleNames.cpp
    screens/kit/ControlWords.cpp
    screens/kit/UserSettings.cpp
    screens/kit/LineChart.cpp
    screens/kit/WizardScreen.cpp
    wizard/Wizard.cpp
    wizard/ProjectEntries.cpp
    wizard/ProjectMenu.cpp
    screens/kit/WrappedOption.cpp
    screens/kit/RangeWarning.cpp
    screens/kit/DeviceWords.cpp
    screens/kit/QtHost.cpp
    screens/program/InformationFile.cpp
    wizard/ProgramFolderSetup.cpp
    screens/kit/Drawings.cpp
    screens/kit/ShadowView.cpp
    modes/diffuse/screens/PhysicalDiffuseNote.cpp
    modes/matrix/screens/MatrixChart.cpp
    screens/kit/PictureFile.cpp
    screens/device/DevicePreview.cpp
    screens/kit/drawings/ChoiceDrawings.cpp
    screens/kit/drawings/DimensionDrawings.cpp
    screens/kit/drawings/MarkDrawings.cpp
    screens/kit/drawings/Scene.cpp
    screens/kit/drawings/Sketch.cpp
    screens/program/frmAwnSplash.cpp
    screens/program/frmUsing.cpp
    screens/program/frmHelp.cpp
    screens/program/frmAbout.cpp
    screens/device/frmGeomChoice.cpp
    screens/device/frmGeomValues.cpp
    output/screens/frmPathFileName.cpp
    output/screens/frmHeaderText.cpp
    output/screens/frmSaved.cpp
    output/screens/frmViewPrint.cpp
    screens/mode/frmSourceMode.cpp
    modes/beam/screens/frmBeamResults.cpp
    modes/diffuse/screens/frmDiffuseResults.cpp
    modes/matrix/screens/frmMatrixResults.cpp
    modes/year/screens/CompassRose.cpp
    modes/year/screens/HeatMapCellDelegate.cpp
    modes/year/screens/HeatMapLegend.cpp
    modes/year/screens/PlaceBox.cpp
    modes/year/screens/PlaceSettings.cpp
    modes/year/screens/LocalTime.cpp
    modes/year/screens/DimensionChoice.cpp
    modes/year/screens/MonthAxes.cpp
    modes/year/screens/YearCalculation.cpp
    modes/year/screens/frmSunFromPlace.cpp
    modes/year/screens/frmShadingYear.cpp
    modes/year/screens/frmSizeDevice.cpp
    modes/year/screens/YearCaption.cpp
    modes/year/screens/HeatMapTable.cpp
    modes/year/screens/frmCompareDesigns.cpp
)
set_target_properties(umbravel_screens PROPERTIES AUTOMOC ON)
target_link_libraries(umbravel_screens PUBLIC umbravel_core Qt6::Widgets Qt6::PrintSupport)
# The start screen names the version it shows.
target_compile_definitions(umbravel_screens PRIVATE UMBRAVEL_VERSION="${PROJECT_VERSION}")
# The matrix chart and the shading year draw with Qt Charts and save pictures as SVG.
target_link_libraries(umbravel_screens PUBLIC Qt6::Charts Qt6::Svg)
# The shading year calculates off the GUI thread.
target_link_libraries(umbravel_screens PUBLIC Qt6::Concurrent)

# The information files, copied into the program folder at the first start.
qt_add_resources(umbravel_screens information
    PREFIX /information
    BASE screens/program/resources
    FILES screens/program/resources/USINGUMBRAVEL.txt screens/program/resources/AWNINFO.txt
)

add_executable(umbravel wizard/main.cpp)
target_link_libraries(umbravel PRIVATE umbravel_screens)

# Walks the wizard and saves a picture of every screen (tools/screenshots.sh).
add_executable(umbravel_screenshots tools/screenshots/ScreenshotTour.cpp)
target_link_libraries(umbravel_screenshots PRIVATE umbravel_screens)
