#include "modes/year/screens/YearCalculation.h"

#include <QApplication>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include "screens/kit/EventGuard.h"

namespace {

constexpr int DelayMs = 150;

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

YearResult Calculate(const YearRequest& request, std::stop_token stop) {
    YearEntries entries = request.entries;
    entries.weather = request.weather.get();
    YearResult result{request.weather, YearSettingsFrom(entries)};
    result.table = ShadingOnThe21st(result.settings);
    if (result.settings.Irradiated())
        result.totals = RunShadingYear(result.settings, {}, std::move(stop));
    return result;
}

}  // namespace

YearCalculation::YearCalculation(std::function<YearRequest()> entries, QObject* parent)
    : QObject(parent), entries_(std::move(entries)) {
    delay_.setSingleShot(true);
    delay_.setInterval(DelayMs);
    connect(&delay_, &QTimer::timeout, this, [this] { Guarded([this] { Start(); }); });
}

// A calculation still running ends at its next day; nothing waits for it.
YearCalculation::~YearCalculation() {
    stop_.request_stop();
}

void YearCalculation::Request() {
    delay_.start();
}

void YearCalculation::Start() {
    delay_.stop();
    stop_.request_stop();
    stop_ = std::stop_source();
    const std::uint64_t generation = ++started_;
    running_ = QtConcurrent::run(Calculate, entries_(), stop_.get_token());
    auto* watcher = new QFutureWatcher<YearResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        Guarded([&] { Finished(generation, watcher->future()); });
    });
    watcher->setFuture(running_);
}

bool YearCalculation::Busy() const {
    return delay_.isActive() || shown_ < started_;
}

const YearResult* YearCalculation::Latest() const {
    return latest_ ? &*latest_ : nullptr;
}

const YearResult& YearCalculation::Settled() {
    if (delay_.isActive() || started_ == 0)
        Start();
    if (shown_ < started_) {
        const WaitCursor waiting;
        running_.waitForFinished();
        Finished(started_, running_);
    }
    return *latest_;
}

void YearCalculation::Finished(std::uint64_t generation, const QFuture<YearResult>& future) {
    // An older calculation, or the newest already taken by Settled().
    if (generation != started_ || generation == shown_)
        return;
    latest_ = future.result();
    shown_ = generation;
    emit ResultReady();
}
