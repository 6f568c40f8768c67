#include "screens/kit/ScreenParts.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <algorithm>
#include <utility>

#include "screens/kit/EventGuard.h"

QString ToQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text) {
    return text.toStdString();
}

QLabel* NewLabel(const char* name, const QString& text, LabelKind kind) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    // Plain text keeps "<USF>", '&' and runs of blanks exactly as written.
    label->setTextFormat(Qt::PlainText);
    if (kind == LabelKind::Paragraph) {
        label->setWordWrap(true);
    }
    if (kind == LabelKind::Title) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.4);
        label->setFont(font);
    }
    return label;
}

QLabel* NewBusyLabel() {
    QLabel* busy = NewLabel("lblBusy", "Computing…");
    QSizePolicy policy = busy->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    busy->setSizePolicy(policy);
    return busy;
}

QLineEdit* NewTextBox(const char* name, const QString& initialText,
                      std::function<void()> onChange) {
    auto* box = new QLineEdit(initialText);
    box->setObjectName(name);
    if (onChange) {
        // textChanged, unlike textEdited, also follows the program's own setText.
        QObject::connect(box, &QLineEdit::textChanged, box,
                         [handler = std::move(onChange)] { Guarded(handler); });
    }
    return box;
}

QLineEdit* NewNumberBox(const char* name, const QString& initialText,
                        std::function<void()> onChange) {
    QLineEdit* box = NewTextBox(name, initialText, std::move(onChange));
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        if (QLocale().decimalPoint() != ',' || text.count(',') != 1 || text.contains('.'))
            return;
        const int cursor = box->cursorPosition();
        box->setText(QString(text).replace(',', '.'));
        box->setCursorPosition(cursor);
    });
    return box;
}

void ShowStatus(QWidget* screen, const QString& text) {
    auto* status = screen->findChild<QLabel*>("lblStatus", Qt::FindDirectChildrenOnly);
    if (status == nullptr) {
        status = NewLabel("lblStatus", "", LabelKind::Paragraph);
        if (auto* column = qobject_cast<QBoxLayout*>(screen->layout()))
            column->addWidget(status);
        else
            status->setParent(screen);
    }
    status->setText(text);
    status->show();
}

void FitWholeText(QLineEdit* box) {
    // A line edit's size hint is room for 17 "x" plus its frame and margins, and one pixel
    // more keeps the cursor after the last character inside the box.
    const QFontMetrics metrics = box->fontMetrics();
    const int chrome = box->sizeHint().width() - 17 * metrics.horizontalAdvance(u'x');
    const int whole = chrome + metrics.horizontalAdvance(box->text()) + 1;
    box->setMinimumWidth(std::min(whole, box->screen()->availableGeometry().width() * 9 / 10));
}

QPlainTextEdit* NewTextArea(const char* name, TextAreaKind kind, int columns, int lines) {
    auto* area = new QPlainTextEdit;
    area->setObjectName(name);
    area->setReadOnly(true);
    // Tab leaves the box for the buttons: a tab typed there would go nowhere.
    area->setTabChangesFocus(true);
    const QFontMetrics metrics(area->font());
    const int frame =
        2 * (area->frameWidth() + static_cast<int>(area->document()->documentMargin()));
    area->setMinimumSize(metrics.horizontalAdvance(QString(columns, 'n')) + frame,
                         metrics.lineSpacing() * lines + frame);
    if (kind == TextAreaKind::WrappedWithoutScrollBars) {
        area->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        area->setLineWrapMode(QPlainTextEdit::NoWrap);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    return area;
}

QWidget* NewDrawing(const char* name, Drawing drawing) {
    auto* view = new DrawingView(drawing);
    view->setObjectName(name);
    return view;
}

QGroupBox* NewFrame(const char* name, const QString& caption) {
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(name);
    return frame;
}

QPushButton* NewButton(const char* name, const QString& caption, std::function<void()> onClick) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    // An auto-default button would make Qt give a default to screens that have none; the screen
    // itself lets Enter press the focused button.
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button,
                     [handler = std::move(onClick)] { Guarded(handler); });
    return button;
}

void MakeDefault(QPushButton* button) {
    button->setDefault(true);
}

QHBoxLayout* NewButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons) {
        // Stretches between the buttons spread them out; one before a lone button moves it right.
        if (row->count() > 0 || buttons.size() == 1) {
            row->addStretch();
        }
        row->addWidget(button);
    }
    return row;
}
