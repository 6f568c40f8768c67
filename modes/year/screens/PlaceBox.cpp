#include "modes/year/screens/PlaceBox.h"

#include <QComboBox>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "modes/year/ZoneLocations.h"
#include "modes/year/screens/CompassRose.h"
#include "screens/kit/ScreenParts.h"

namespace {

QDoubleSpinBox* NewSpinBox(const char* name, double low, double high, int decimals, double value,
                           const char* suffix) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setValue(value);
    box->setSuffix(suffix);
    box->setKeyboardTracking(true);
    return box;
}

}  // namespace

PlaceBox::PlaceBox(std::function<void()> onChange, std::function<void()> onPlaceSettled)
    : QGroupBox("Place and window"),
      onChange_(std::move(onChange)),
      onPlaceSettled_(std::move(onPlaceSettled)) {
    setObjectName("framePlace");
    const PlaceSettings last = LoadPlaceSettings();
    txtLatitude = NewSpinBox("txtLatitude", -90, 90, 6, last.latitude, " deg");
    txtLongitude = NewSpinBox("txtLongitude", -180, 180, 6, last.longitude, " deg");
    txtUtcOffset = NewSpinBox("txtUtcOffset", -12, 14, 2, last.utcOffset, " h");
    txtUtcOffset->setSingleStep(0.5);
    txtFacing = NewSpinBox("txtFacing", 0, 360, 1, last.facing.bearing, " deg");
    txtFacing->setWrapping(true);
    cboTimeZone = new QComboBox;
    cboTimeZone->setObjectName("cboTimeZone");
    cboTimeZone->addItem("Fixed UTC offset");
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        cboTimeZone->addItem(QString::fromUtf8(id));
    // An empty or unknown zone finds nothing and leaves the fixed offset.
    cboTimeZone->setCurrentIndex(
        std::max(0, cboTimeZone->findText(QString::fromUtf8(last.timeZone))));
    cboFinSide = new QComboBox;
    cboFinSide->setObjectName("cboFinSide");
    cboFinSide->addItems({"left", "right"});
    cboFinSide->setCurrentIndex(last.facing.finSide == FinSide::Left ? 0 : 1);
    picCompassRose = new CompassRose([this](double bearing) { txtFacing->setValue(bearing); });
    picCompassRose->SetBearing(last.facing.bearing);
    txtUtcOffset->setEnabled(cboTimeZone->currentIndex() == 0);

    auto* grid = new QGridLayout(this);
    const struct {
        const char* name;
        const char* caption;
        QWidget* entry;
        const char* description;  // what a screen reader says of the entry
    } rows[] = {
        {"lblLatitude", "Latitude (north positive)", txtLatitude,
         "Degrees north of the equator; south is negative"},
        {"lblLongitude", "Longitude (east positive)", txtLongitude,
         "Degrees east of Greenwich; west is negative"},
        {"lblTimeZone", "Time zone", cboTimeZone,
         "The place's time zone, with its daylight saving, or a fixed offset from UTC"},
        {"lblUtcOffset", "UTC offset", txtUtcOffset,
         "Hours of local standard time ahead of UTC, used when the time zone is a fixed offset"},
        {"lblFacing", "Window facing (bearing of its outward normal)", txtFacing,
         "Degrees clockwise from north of the direction the window looks out"},
        {"lblFinSide", "Fin side, seen from outside", cboFinSide,
         "The side of the window the fin stands on, seen from outside"},
    };
    for (int row = 0; row < 6; ++row) {
        QLabel* caption = NewLabel(rows[row].name, rows[row].caption);
        caption->setBuddy(rows[row].entry);
        rows[row].entry->setAccessibleName(rows[row].caption);
        rows[row].entry->setAccessibleDescription(rows[row].description);
        grid->addWidget(caption, row, 0);
        grid->addWidget(rows[row].entry, row, 1);
    }
    picCompassRose->setAccessibleName("Compass rose");
    picCompassRose->setAccessibleDescription(
        "Shows the window's facing; a click faces the window toward the point clicked");
    grid->addWidget(picCompassRose, 0, 2, 6, 1);
    // Stored values that were refused are told on the box that starts from their defaults.
    if (!last.problem.empty()) {
        grid->addWidget(
            NewLabel("lblStoredPlace", QString::fromStdString(last.problem), LabelKind::Paragraph),
            6, 0, 1, 3);
    }

    lblZoneCheck = NewLabel("lblZoneCheck", "", LabelKind::Paragraph);
    grid->addWidget(lblZoneCheck, 7, 0, 1, 3);
    ShowZoneCheck();

    const auto changed = [this] { onChange_(); };
    connect(txtLatitude, &QDoubleSpinBox::valueChanged, this, changed);
    for (QDoubleSpinBox* box : {txtLongitude, txtUtcOffset}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] {
            ShowZoneCheck();
            onChange_();
        });
    }
    connect(txtFacing, &QDoubleSpinBox::valueChanged, this, [this](double bearing) {
        picCompassRose->SetBearing(bearing);
        onChange_();
    });
    connect(cboTimeZone, &QComboBox::currentIndexChanged, this, [this] { cboTimeZone_Change(); });
    connect(cboFinSide, &QComboBox::currentIndexChanged, this, changed);
    // Connected after the changes above, so that the entries are taken before it runs.
    for (QDoubleSpinBox* box : {txtLatitude, txtLongitude, txtUtcOffset}) {
        connect(box, &QAbstractSpinBox::editingFinished, this, [this] { onPlaceSettled_(); });
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, box] {
            if (!box->hasFocus())
                onPlaceSettled_();
        });
    }
    connect(cboTimeZone, &QComboBox::currentIndexChanged, this, [this] { onPlaceSettled_(); });
}

void PlaceBox::cboTimeZone_Change() {
    txtUtcOffset->setEnabled(cboTimeZone->currentIndex() == 0);
    ShowZoneCheck();
    onChange_();
}

void PlaceBox::ShowZoneCheck() {
    const QString warning = QString::fromStdString(
        ZoneDistanceWarning(txtLongitude->value(), StandardOffset(QDate::currentDate().year())));
    lblZoneCheck->setText(warning);
    lblZoneCheck->setVisible(!warning.isEmpty());
}

PlaceSettings PlaceBox::Values() const {
    PlaceSettings p;
    p.latitude = txtLatitude->value();
    p.longitude = txtLongitude->value();
    p.timeZone =
        cboTimeZone->currentIndex() == 0 ? QByteArray() : cboTimeZone->currentText().toUtf8();
    p.utcOffset = txtUtcOffset->value();
    p.facing = {txtFacing->value(),
                cboFinSide->currentIndex() == 0 ? FinSide::Left : FinSide::Right};
    return p;
}

QTimeZone PlaceBox::Zone() const {
    if (cboTimeZone->currentIndex() == 0)
        return QTimeZone(static_cast<int>(std::lround(txtUtcOffset->value() * 3600)));
    return QTimeZone(cboTimeZone->currentText().toUtf8());
}

double PlaceBox::StandardOffset(int year) const {
    const QTimeZone zone = Zone();
    return zone.standardTimeOffset(QDateTime(QDate(year, 1, 1), QTime(12, 0), zone)) / 3600.0;
}

void PlaceBox::SetPlace(double latitude, double longitude, double utcOffset) {
    const QSignalBlocker blockLatitude(txtLatitude), blockLongitude(txtLongitude),
        blockZone(cboTimeZone), blockOffset(txtUtcOffset);
    txtLatitude->setValue(latitude);
    txtLongitude->setValue(longitude);
    cboTimeZone->setCurrentIndex(0);
    txtUtcOffset->setValue(utcOffset);
    txtUtcOffset->setEnabled(true);
    ShowZoneCheck();
    onChange_();
}
