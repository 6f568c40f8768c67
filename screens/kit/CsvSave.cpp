#include "screens/kit/CsvSave.h"

#include "platform/Host.h"
#include "screens/kit/ScreenParts.h"

void AskAndSaveCsv(QWidget* screen, const std::string& what, const std::string& suggested,
                   const std::function<void(const std::string& path)>& write) {
    const auto path = ChooseFile({true, "Save " + what, suggested, "CSV (*.csv)"});
    if (!path)
        return;
    write(*path);
    ShowStatus(screen, ToQt(what + " saved as " + *path + "."));
}
