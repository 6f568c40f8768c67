# Tests of the screens, run headless.
add_executable(umbravel_screen_tests
    support/ScreenTestMain.cpp
    support/WizardFixture.cpp
    support/ExpectedReports.cpp
    screens/kit/DrawingsTest.cpp
    screens/kit/EventGuardTest.cpp
    wizard/ProgramFolderSetupTest.cpp
    wizard/WizardWalkTest.cpp
    wizard/KeyboardTest.cpp
    wizard/EntriesKeptTest.cpp
    wizard/ProjectFilesTest.cpp
    wizard/ScreensFitTest.cpp
    wizard/ScreenReaderTest.cpp
    screens/program/frmAwnSplashTest.cpp
    screens/program/frmUsingTest.cpp
    screens/program/frmAboutTest.cpp
    screens/device/frmGeomChoiceTest.cpp
    screens/device/frmGeomValuesTest.cpp
    wizard/ScreenUseTest.cpp
    screens/device/DevicePreviewTest.cpp
    output/screens/frmPathFileNameTest.cpp
    output/screens/frmHeaderTextTest.cpp
    output/screens/frmSavedTest.cpp
    screens/mode/frmSourceModeTest.cpp
    modes/beam/screens/frmBeamResultsTest.cpp
    modes/diffuse/screens/frmDiffuseResultsTest.cpp
    modes/matrix/screens/frmMatrixResultsTest.cpp
    modes/year/frmYearScreensTest.cpp
    modes/year/DesignScreensTest.cpp
    modes/year/YearCalculationTest.cpp
    modes/year/LocalTimeTest.cpp
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
