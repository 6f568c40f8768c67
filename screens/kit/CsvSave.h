#pragma once

#include <functional>
#include <string>

class QWidget;

// Asks where to save a CSV file of the screen's figures, starting from the suggested name, has
// write write it there and says so in the screen's status line. what: "Hourly CSV".
void AskAndSaveCsv(QWidget* screen, const std::string& what, const std::string& suggested,
                   const std::function<void(const std::string& path)>& write);
