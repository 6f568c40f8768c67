#include "modes/year/screens/frmSunFromPlace.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "modes/year/SunPosition.h"
#include "modes/year/WindowAngles.h"
#include "modes/year/screens/LocalTime.h"
#include "modes/year/screens/PlaceBox.h"
#include "screens/kit/EventGuard.h"
#include "screens/kit/ScreenParts.h"

namespace {

QString Degrees(double x) {
    return QString::number(x, 'f', 2) + " deg";
}

// Four decimals are far finer than the ephemeris needs and keep the boxes readable.
std::string AngleText(double x) {
    return QString::number(x, 'f', 4).toStdString();
}

}  // namespace

frmSunFromPlace::frmSunFromPlace(QWidget* parent, AnglesHandler onUse)
    : WizardScreen("frmSunFromPlace", "From place and time"), onUse_(std::move(onUse)) {
    setParent(parent, Qt::Dialog);
    CloseOnEscape();
    framePlace = new PlaceBox([this] { Guarded([this] { Form_Change(); }); });
    // Noon today: the sun is up at most places, which the computer's clock at night is not.
    txtWhen = NewTextBox("txtWhen", QDate::currentDate().toString("yyyy-MM-dd") + " 12:00",
                         [this] { Form_Change(); });
    txtWhen->setPlaceholderText("2026-06-21 12:30");
    txtWhen->setAccessibleName("Local date and time");
    txtWhen->setAccessibleDescription(
        "The place's local date and time, typed as 2026-06-21 12:30, seconds optional");
    lblWhenNote = NewLabel("lblWhenNote", "", LabelKind::Paragraph);
    lblSun = NewLabel("lblSun", "", LabelKind::Paragraph);
    lblWindow = NewLabel("lblWindow", "", LabelKind::Paragraph);
    cmdUse = NewButton("cmdUse", "&Use these angles", [this] { cmdUse_Click(); });
    MakeDefault(cmdUse);
    cmdUse->setAccessibleDescription(
        "Types the sun's altitude and azimuth seen from the window into the sun boxes");
    auto* cmdCancel = NewButton("cmdCancel", "Ca&ncel", [this] { cmdCancel_Click(); });
    cmdCancel->setAccessibleDescription("Closes the dialog; nothing is kept");

    auto* when = new QHBoxLayout;
    when->addWidget(NewLabel("lblWhen", "Local date and time (YYYY-MM-DD hh:mm[:ss])"));
    when->addWidget(txtWhen);
    when->addStretch();
    auto* screen = new QVBoxLayout(this);
    screen->addWidget(framePlace);
    screen->addLayout(when);
    screen->addWidget(lblWhenNote);
    screen->addWidget(lblSun);
    screen->addWidget(lblWindow);
    screen->addStretch();
    screen->addLayout(NewButtonRow({cmdUse, cmdCancel}));
    Form_Change();
}

void frmSunFromPlace::Form_Change() {
    const PlaceSettings p = framePlace->Values();
    const auto typed = ReadLocalDateTime(txtWhen->text());
    if (!typed) {
        lblWhenNote->setText("Type the date and time as 2026-06-21 12:30 (seconds may follow).");
        lblWhenNote->show();
        lblSun->clear();
        lblWindow->clear();
        cmdUse->setEnabled(false);
        return;
    }
    const LocalInstant when = InstantOf(typed->first, typed->second, framePlace->Zone());
    lblWhenNote->setText(when.note);
    lblWhenNote->setVisible(!when.note.isEmpty());
    const QDateTime& utc = when.utc;
    const SunAngles sun = ApparentSunPosition(
        {p.latitude, p.longitude, 0},
        JulianDayUtc(utc.date().year(), utc.date().month(), utc.date().day(), utc.time().hour(),
                     utc.time().minute(), utc.time().second()));
    const WindowAngles w = RelativeToWindow(sun, p.facing);
    lblSun->setText("Sun: altitude " + Degrees(sun.altitude) + ", azimuth " + Degrees(sun.azimuth) +
                    " from north, clockwise (at " + utc.toString("yyyy-MM-dd HH:mm:ss") + " UTC)");
    if (w.sunOnWindow) {
        lblWindow->setText("At the window: altitude " + Degrees(w.altitude) + ", azimuth " +
                           Degrees(w.azimuth) + " from the window normal, positive toward the fin");
    } else if (sun.altitude <= 0) {
        lblWindow->setText("The sun does not reach the window: it is below the horizon.");
    } else {
        lblWindow->setText("The sun does not reach the window: it is behind the wall, " +
                           Degrees(std::abs(w.azimuth)) + " from the window normal.");
    }
    cmdUse->setEnabled(w.sunOnWindow);
    altitudeText_ = AngleText(w.altitude);
    azimuthText_ = AngleText(w.azimuth);
}

void frmSunFromPlace::cmdUse_Click() {
    SavePlaceSettings(framePlace->Values());
    onUse_(altitudeText_, azimuthText_);
    close();
}

// Nothing is saved: the stored place stays as it was.
void frmSunFromPlace::cmdCancel_Click() {
    close();
}
