#include "screens/kit/DisplayFit.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "screens/kit/AccessibleNames.h"
#include "screens/kit/ScrollingPart.h"

namespace {

constexpr const char* ScrollName = "scrScreen";

// A title bar and a window frame, as most desktops draw them.
constexpr int WindowFrameAllowance = 40;

// A row of buttons, or rows of them: what a screen keeps in view below its scrolling content.
bool HoldsOnlyButtons(QLayoutItem* item) {
    if (item->spacerItem() != nullptr)
        return true;
    if (QWidget* widget = item->widget())
        return qobject_cast<QAbstractButton*>(widget) != nullptr;
    const QLayout* layout = item->layout();
    if (layout == nullptr || layout->count() == 0)
        return false;
    for (int i = 0; i < layout->count(); ++i) {
        if (!HoldsOnlyButtons(layout->itemAt(i)))
            return false;
    }
    return true;
}

// Scrolls both ways, and can be made as small as a few lines.
class ScreenScrollArea : public ScrollingPart {
  public:
    explicit ScreenScrollArea(QWidget* content)
        : ScrollingPart(ScrollName, content, QFontMetrics(content->font()).lineSpacing() * 6) {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }

    QSize minimumSizeHint() const override {
        return {fontMetrics().horizontalAdvance(QString(30, 'n')),
                ScrollingPart::minimumSizeHint().height()};
    }
};

QSize LeastSize(const QWidget* screen, int roomWidth) {
    QSize least = screen->minimumSizeHint();
    // Wrapping captions are shortest at the widest, drawings that keep their shape at the
    // narrowest; the window can be given any width between.
    if (const QLayout* layout = screen->layout(); layout != nullptr && layout->hasHeightForWidth())
        least.setHeight(std::min(layout->totalHeightForWidth(least.width()),
                                 layout->totalHeightForWidth(std::max(least.width(), roomWidth))));
    return least;
}

}  // namespace

QSize ClientRoom(const QWidget* window) {
    const int frame = window->isVisible() ? window->frameGeometry().height() - window->height()
                                          : WindowFrameAllowance;
    return window->screen()->availableGeometry().size() - QSize(0, frame);
}

void FitRoom(QWidget* screen, QSize room) {
    auto* box = qobject_cast<QBoxLayout*>(screen->layout());
    if (box == nullptr || box->count() == 0 || ScrollsWhole(screen))
        return;
    const QSize least = LeastSize(screen, room.width());
    if (least.width() <= room.width() && least.height() <= room.height())
        return;
    // Reparented widgets are hidden: each is shown again as it was.
    std::vector<std::pair<QWidget*, bool>> shown;
    for (QWidget* child : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        shown.emplace_back(child, child->isVisibleTo(screen));
    auto* content = new QWidget;
    content->setObjectName("wholeScreen");
    auto* inner = new QBoxLayout(box->direction(), content);
    inner->setContentsMargins(0, 0, 0, 0);
    const int kept = HoldsOnlyButtons(box->itemAt(box->count() - 1)) ? 1 : 0;
    while (box->count() > kept) {
        const int stretch = box->stretch(0);
        QLayoutItem* item = box->takeAt(0);
        if (QWidget* widget = item->widget()) {
            inner->addWidget(widget, stretch, item->alignment());
            delete item;
        } else if (QLayout* layout = item->layout()) {
            inner->addLayout(layout, stretch);
        } else {
            inner->addItem(item);
            inner->setStretch(inner->count() - 1, stretch);
        }
    }
    auto* scrolling = new ScreenScrollArea(content);
    box->insertWidget(0, scrolling, 1);
    scrolling->show();
    for (const auto& [child, visible] : shown)
        child->setVisible(visible);
}

bool ScrollsWhole(const QWidget* screen) {
    return screen->findChild<QScrollArea*>(ScrollName) != nullptr;
}

void SizeForDisplay(QWidget* screen, const QWidget* placeOf) {
    for (QScrollArea* area : screen->findChildren<QScrollArea*>()) {
        if (auto* part = dynamic_cast<ScrollingPart*>(area))
            part->FitWindow();
    }
    const QSize room = ClientRoom(placeOf != nullptr ? placeOf : screen);
    FitRoom(screen, room);
    QSize size = screen->sizeHint().expandedTo(screen->minimumSizeHint());
    // Wrapping captions need the height they take at that width: more than the hint gives, and
    // less than the layout's least size, their height at the least width, which is set so that
    // the layout does not raise the window to it.
    if (const QLayout* layout = screen->layout();
        layout != nullptr && layout->hasHeightForWidth()) {
        size.setHeight(layout->totalHeightForWidth(size.width()));
        screen->setMinimumHeight(std::min(size.height(), room.height()));
    }
    screen->resize(size.boundedTo(room));
}

void ShowBeside(QWidget* screen) {
    // F1 shows the help as it does on the screen that opened this one.
    for (QAction* action : screen->parentWidget()->window()->actions()) {
        if (action->objectName() == "actHelp")
            screen->addAction(action);
    }
    NameEntriesByTheirCaptions(screen);
    SizeForDisplay(screen, screen->parentWidget());
    screen->show();
}
