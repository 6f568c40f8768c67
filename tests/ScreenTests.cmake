# Tests of the screens, run headless.
add_executable(umbravel_screen_tests
    support/ScreenTestMain.cpp
    support/WizardFixture.cpp
    support/ExpectedReports.cpp
    ui/DrawingsTest.cpp
    ui/EventGuardTest.cpp
    ui/ProgramFolderSetupTest.cpp
    ui/WizardWalkTest.cpp
    ui/KeyboardTest.cpp
    ui/frmAwnSplashTest.cpp
    ui/frmUsingTest.cpp
    ui/frmAboutTest.cpp
    ui/frmGeomChoiceTest.cpp
    ui/frmGeomValuesTest.cpp
    ui/ScreenUseTest.cpp
    ui/DevicePreviewTest.cpp
    output/frmPathFileNameTest.cpp
    output/frmHeaderTextTest.cpp
    output/frmSavedTest.cpp
    modes/beam/frmSourceModeTest.cpp
    modes/beam/frmBeamResultsTest.cpp
    modes/diffuse/frmDiffuseResultsTest.cpp
    modes/matrix/frmMatrixResultsTest.cpp
    modes/year/frmYearScreensTest.cpp
)
set_target_properties(umbravel_screen_tests PROPERTIES AUTOMOC ON)
target_include_directories(umbravel_screen_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(umbravel_screen_tests PRIVATE umbravel_screens Qt6::Test Qt6::Charts
    GTest::gtest)
gtest_discover_tests(umbravel_screen_tests
    DISCOVERY_MODE PRE_TEST
    NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
)
