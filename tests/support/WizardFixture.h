#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "support/TempFolder.h"

// A test of the screens as a user meets them, in a program that has just started: the program
// folder lies in a temporary folder and is prepared as at the first start, the clock reads
// 12-08-2026 13:05:09, and messages, questions, the folder chooser and the program's end are
// recorded and scripted instead of shown. Every screen is closed afterwards.
class WizardFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The program folder, ending in "/", and its default data folder.
    std::string ProgramFolder() const;
    std::string DataFolder() const;

    // Opens the start screen as the program does when it starts.
    void StartProgram();

    // Starts the program and clicks along the single-sun road, with every default, until the
    // named screen is open; the information screens are reached through "About Umbravel".
    void WalkTo(const char* screen);

    // From the geometry choice screen: chooses the geometry option, keeps every default
    // dimension, passes the header text and calculates with the option of the irradiation mode
    // screen.
    void Calculate(const char* geometryOption, const char* sourceOption);

    // Writes a weather file of Golden, Colorado, at path, opens the year screen from the mode
    // screen unless it is open, and loads the file through the file dialog; returns once the
    // year's figures are in.
    void LoadWeatherFile(const std::string& path);

    // Walks through every screen of the program, with the year screen's figures of a weather
    // file in, and has visit look at each as it opens. What visit changes stays changed.
    void VisitEveryScreen(const std::function<void(const char* screen)>& visit);

    // Names of the screens that are open.
    static std::set<std::string> OpenScreens();

    // The open screen of that name; fails the test when there is none.
    static QWidget* Screen(const char* screen);

    template <class Control>
    static Control* Find(const char* screen, const char* control) {
        auto* found = Screen(screen)->findChild<Control*>(control);
        EXPECT_NE(found, nullptr) << screen << " has no " << control;
        return found;
    }

    // Clicks the control with the mouse, as a user does.
    static void Click(const char* screen, const char* control);

    // Types at the end of a box's text, key by key.
    static void Type(const char* screen, const char* box, const std::string& keys);

    // Selects all of a box's text and types over it; empty keys delete the selection.
    static void TypeOver(const char* screen, const char* box, const std::string& keys);

    // A key pressed while the screen has the keyboard.
    static void PressKey(const char* screen, Qt::Key key);

    // The text of a label, a one-line box or a multi-line box.
    static std::string Text(const char* screen, const char* control);

    // Closed screens are destroyed once the event they closed in has ended.
    static void FinishEvents();

    std::vector<std::string> messages;
    int programEnds = 0;

    // Questions asked, and the answers to give them in turn, by their text; a question without
    // an answer waiting fails the test.
    std::vector<std::string> questions;
    std::deque<std::string> answers;

    // What the folder chooser returns in turn; a cancelled choice when none is waiting.
    std::deque<std::string> chosenFolders;
    // Files the file dialogs choose in turn; cancelled when none is left.
    std::deque<std::string> chosenFiles;

  private:
    TempFolder home_;
    std::string savedDataHome_;
    bool hadDataHome_ = false;
};
