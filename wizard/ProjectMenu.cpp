#include "wizard/ProjectMenu.h"

#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <exception>
#include <string_view>

#include "base/QuotedText.h"
#include "platform/Host.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/UserSettings.h"
#include "screens/kit/Wizard.h"
#include "wizard/ProjectEntries.h"

namespace {

constexpr std::string_view DesignScreens[] = {
    "frmGeomChoice",  "frmGeomValues",     "frmHeaderText",    "frmSourceMode",
    "frmBeamResults", "frmDiffuseResults", "frmMatrixResults",
};
constexpr const char* ProjectFilter = "Umbravel projects (*.umbravel)";
bool SaveTo(std::string path) {
    if (!path.ends_with(ProjectExtension))
        path += ProjectExtension;
    const Project design = CurrentProject();
    try {
        SaveProject(path, design);
    } catch (const std::exception& fault) {
        ShowMessage("The project could not be saved as " + QuotedText(path) + ": " + fault.what());
        return false;
    }
    LastSavedProject = {path, design};
    AddRecentProject(path);
    return true;
}

bool SaveAs() {
    const auto path = ChooseFile(
        {true, "Save project", LastSavedProject.path.value_or("design.umbravel"), ProjectFilter});
    return path && SaveTo(*path);
}

bool Save() {
    return LastSavedProject.path ? SaveTo(*LastSavedProject.path) : SaveAs();
}

// The design in the entries now starts afresh at the choice of geometry.
void ShowNewDesign(QWidget* screen) {
    Wizard::Restart(screen, Wizard::Step::GeomChoice);
}

void NewDesign(QWidget* screen) {
    if (!SettleUnsavedChanges())
        return;
    AdoptProject(Project{}, std::nullopt);
    ShowNewDesign(screen);
}

void OpenDesign(QWidget* screen, const std::optional<std::string>& known = std::nullopt) {
    if (!SettleUnsavedChanges())
        return;
    const auto path = known ? known : ChooseFile({false, "Open project", {}, ProjectFilter});
    if (path && OpenProjectFile(*path))
        ShowNewDesign(screen);
}

// Closing a screen's window from the window manager would end the program: unsaved changes are
// asked about first. Screens the wizard closes itself are not asked about.
class UnsavedChangesOnClose : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && event->spontaneous() && !SettleUnsavedChanges()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

QMenu* NewFileMenu(QWidget* screen) {
    // Alt+F is the results screens' Finish.
    auto* file = new QMenu("F&ile", screen);
    file->setObjectName("mnuFile");
    auto add = [&](const char* name, const char* text, const QKeySequence& keys, auto act) {
        QAction* action = file->addAction(text, screen, act);
        action->setObjectName(name);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        screen->addAction(action);
    };
    add("mnuNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), [screen] { NewDesign(screen); });
    add("mnuOpen", "&Open…", QKeySequence(Qt::CTRL | Qt::Key_O), [screen] { OpenDesign(screen); });
    QMenu* recent = file->addMenu("Open &Recent");
    recent->setObjectName("mnuRecent");
    QObject::connect(recent, &QMenu::aboutToShow, recent, [recent, screen] {
        recent->clear();
        for (const QString& path : RecentProjects()) {
            recent->addAction(path, screen, [screen, path] { OpenDesign(screen, FromQt(path)); });
        }
        recent->setEnabled(!recent->isEmpty());
    });
    file->addSeparator();
    add("mnuSave", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), [] { Save(); });
    add("mnuSaveAs", "Save &As…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [] { SaveAs(); });
    return file;
}

}  // namespace

void AddProjectMenu(QWidget* screen) {
    const std::string name = FromQt(screen->objectName());
    if (std::ranges::find(DesignScreens, name) == std::end(DesignScreens) ||
        screen->layout() == nullptr || screen->layout()->menuBar() != nullptr)
        return;
    auto* bar = new QMenuBar(screen);
    bar->setObjectName("mnuBar");
    bar->addMenu(NewFileMenu(screen));
    screen->layout()->setMenuBar(bar);
    screen->installEventFilter(new UnsavedChangesOnClose(screen));
}

bool SettleUnsavedChanges() {
    if (!ProjectChanged())
        return true;
    switch (AskQuestion("The design has changes that are not saved in a project file.",
                        {"Save", "Discard", "Cancel"})) {
        case 0:
            return Save();
        case 1:
            return true;
        default:
            return false;
    }
}

bool OpenProjectFile(const std::string& path) {
    try {
        AdoptProject(LoadProject(path), path);
    } catch (const ProjectRefused& refused) {
        ShowMessage(refused.what());
        return false;
    }
    AddRecentProject(path);
    return true;
}
