# The screens library (Qt 6 Widgets) and the wizard executable.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Test Charts Svg)

add_library(umbravel_screens STATIC
    platform/Host.cpp
    ui/EventGuard.cpp
    ui/ScreenParts.cpp
    ui/WizardScreen.cpp
    ui/Wizard.cpp
    ui/WrappedOption.cpp
    ui/RangeWarning.cpp
    ui/QtHost.cpp
    ui/InformationFile.cpp
    ui/ProgramFolderSetup.cpp
    ui/Drawings.cpp
    ui/ShadowView.cpp
    ui/PhysicalDiffuseNote.cpp
    ui/MatrixChart.cpp
    ui/PictureFile.cpp
    ui/DevicePreview.cpp
    ui/drawings/ChoiceDrawings.cpp
    ui/drawings/DimensionDrawings.cpp
    ui/drawings/MarkDrawings.cpp
    ui/drawings/Scene.cpp
    ui/drawings/Sketch.cpp
    ui/frmAwnSplash.cpp
    ui/frmUsing.cpp
    ui/frmAbout.cpp
    ui/frmGeomChoice.cpp
    ui/frmGeomValues.cpp
    output/frmPathFileName.cpp
    output/frmHeaderText.cpp
    output/frmSaved.cpp
    output/frmViewPrint.cpp
    modes/beam/frmSourceMode.cpp
    modes/beam/frmBeamResults.cpp
    modes/diffuse/frmDiffuseResults.cpp
    modes/matrix/frmMatrixResults.cpp
    modes/year/CompassRose.cpp
    modes/year/HeatMapLegend.cpp
    modes/year/PlaceBox.cpp
    modes/year/PlaceSettings.cpp
    modes/year/frmSunFromPlace.cpp
    modes/year/frmShadingYear.cpp
)
set_target_properties(umbravel_screens PROPERTIES AUTOMOC ON)
target_link_libraries(umbravel_screens PUBLIC umbravel_core Qt6::Widgets Qt6::PrintSupport)
# The start screen names the version it shows.
target_compile_definitions(umbravel_screens PRIVATE UMBRAVEL_VERSION="${PROJECT_VERSION}")
# The matrix chart and the shading year draw with Qt Charts and save pictures as SVG.
target_link_libraries(umbravel_screens PUBLIC Qt6::Charts Qt6::Svg)

# The information files, copied into the program folder at the first start.
qt_add_resources(umbravel_screens information
    PREFIX /information
    BASE ui/resources
    FILES ui/resources/USINGUMBRAVEL.txt ui/resources/AWNINFO.txt
)

add_executable(umbravel ui/main.cpp)
target_link_libraries(umbravel PRIVATE umbravel_screens)

# Walks the wizard and saves a picture of every screen (tools/screenshots.sh).
add_executable(umbravel_screenshots tools/screenshots/ScreenshotTour.cpp)
target_link_libraries(umbravel_screenshots PRIVATE umbravel_screens)
