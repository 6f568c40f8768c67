#pragma once

#include <QFuture>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>

#include "modes/year/YearEntries.h"

// The entries of one calculation; the weather file is kept alive while it runs.
struct YearRequest {
    YearEntries entries;  // its weather is taken from below
    std::shared_ptr<const WeatherYear> weather;
};

struct YearResult {
    std::shared_ptr<const WeatherYear> weather;  // what settings.weather points to
    YearSettings settings;
    MonthHourTable table{};
    std::optional<YearTotals> totals;  // with a weather file or the clear sky
};

// The year screen's calculation, off the GUI thread. It starts a short delay after the last
// change, so that typing a number starts one calculation rather than one a key; a newer start
// stops the older calculation and its result is never shown.
class YearCalculation : public QObject {
    Q_OBJECT

  public:
    // entries reads the screen's entries when a calculation starts.
    YearCalculation(std::function<YearRequest()> entries, QObject* parent);
    ~YearCalculation() override;

    // The entries have changed: a calculation starts after the delay.
    void Request();
    // Starts a calculation now.
    void Start();

    // A calculation is waiting for its delay or running.
    bool Busy() const;
    // The newest result, null before the first.
    const YearResult* Latest() const;
    // The result for the entries as they are now: waits for the calculation under way, starting
    // a delayed one at once.
    const YearResult& Settled();

  signals:
    // Latest() has a new result.
    void ResultReady();

  private:
    void Finished(std::uint64_t generation, const QFuture<YearResult>& future);

    std::function<YearRequest()> entries_;
    QTimer delay_;
    std::stop_source stop_;
    QFuture<YearResult> running_;
    std::uint64_t started_ = 0, shown_ = 0;  // generations, counted from the first start
    std::optional<YearResult> latest_;
};
