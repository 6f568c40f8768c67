#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "model/ExactShadow.h"
#include "modes/year/DeviceSweep.h"
#include "modes/year/EpwText.h"
#include "modes/year/ShadingYear.h"
#include "modes/year/SunPosition.h"
#include "modes/year/SunTrack.h"
#include "modes/year/YearEntries.h"
#include "output/YearCsv.h"
#include "screens/kit/mduUmbravel.h"

namespace {

const Place Golden{39.742476, -105.1786, 1830};

// A weather year with sun in the day hours, so that every column of the CSV is written.
WeatherYear SteadyWeather() {
    WeatherYear w;
    for (int i = 0; i < 8760; ++i) {
        const int hour = i % 24 + 1;
        const bool day = hour > 6 && hour < 19;
        w.hours.push_back({1, 1, hour, day ? 500.0 : 0, day ? 100.0 : 0, day ? 400.0 : 0, false});
    }
    return w;
}

YearSettings Settings(const WeatherYear* weather, int stepMinutes) {
    YearSettings s;
    s.place = Golden;
    s.utcOffset = -7;
    s.facing = {200, FinSide::Right};
    s.year = 2025;
    s.stepMinutes = stepMinutes;
    s.device = DeviceShape{Geometry::AwningAndFins, 2, 4, 3, 3, 1, 3, DeviceLayout::Drawn};
    s.weather = weather;
    return s;
}

std::string CsvPath() {
    return (std::filesystem::temp_directory_path() / "umbravel-year-bench.csv").string();
}

// One sun position computed in full by ERFA, against one step of the interpolated day track.
void BM_ApparentSunPosition(benchmark::State& state) {
    double jd = JulianDayUtc(2025, 1, 1, 0, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ApparentSunPosition(Golden, jd));
        jd += 0.0417;
    }
}
BENCHMARK(BM_ApparentSunPosition);

void BM_SunTrackStep(benchmark::State& state) {
    const double first = JulianDayUtc(2025, 1, 1, 0, 0, 0);
    const SunTrack track(Golden, first, first + 365);
    const Atmosphere air = StandardAir(Golden.elevation);
    double jd = first;
    for (auto _ : state) {
        benchmark::DoNotOptimize(track.At(jd, air));
        jd += 1.0 / 1440;
        if (jd > first + 365)
            jd = first;
    }
}
BENCHMARK(BM_SunTrackStep);

void BM_ExactShadowOnTheYearsSun(benchmark::State& state) {
    const DeviceShape device = Settings(nullptr, 60).device;
    double azimuth = -80;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExactUnshadedFraction(device, mduUmbravel::DegToRad(40),
                                                       mduUmbravel::DegToRad(azimuth)));
        azimuth = azimuth > 80 ? -80 : azimuth + 1.7;
    }
}
BENCHMARK(BM_ExactShadowOnTheYearsSun);

// The whole year at the given step with its hourly CSV, as the batch run does it.
void BM_YearWithCsv(benchmark::State& state) {
    const WeatherYear weather = SteadyWeather();
    const YearSettings settings = Settings(&weather, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteHourlyCsv(CsvPath(), settings));
    }
    std::filesystem::remove(CsvPath());
}
BENCHMARK(BM_YearWithCsv)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YearWithCsv)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

// A south-south-west window at Golden under the Perez sky of the weather year.
YearEntries PerezEntries(const WeatherYear& weather) {
    YearEntries e;
    e.latitude = Golden.latitude;
    e.longitude = Golden.longitude;
    e.utcOffset = -7;
    e.facing = {200, FinSide::Right};
    e.device = Settings(nullptr, 60).device;
    e.weather = &weather;
    e.sky = SkyModel::Perez;
    return e;
}

// The batch's weather run with the Perez sky and two panes of glass, from reading the weather
// file to the hourly CSV: the settings' diffuse and horizon factors included.
void BM_PerezGlazingYearFromWeatherFile(benchmark::State& state) {
    const std::filesystem::path epw =
        std::filesystem::temp_directory_path() / "umbravel-year-bench.epw";
    std::ofstream(epw, std::ios::binary) << SteadyDaysEpw();
    for (auto _ : state) {
        const WeatherYear weather = ReadWeatherFile(epw.string());
        YearEntries e = PerezEntries(weather);
        e.stepMinutes = static_cast<int>(state.range(0));
        e.glazingPanes = 2;
        const YearSettings settings = YearSettingsFrom(e);
        benchmark::DoNotOptimize(WriteHourlyCsv(CsvPath(), settings));
    }
    std::filesystem::remove(CsvPath());
    std::filesystem::remove(epw);
}
BENCHMARK(BM_PerezGlazingYearFromWeatherFile)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerezGlazingYearFromWeatherFile)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

// The sizing screen's sweep: 50 depths over the hourly year of a weather file with the Perez
// sky, the sun shared and the years on all cores.
void BM_SizingSweepOf50Depths(benchmark::State& state) {
    const std::filesystem::path epw =
        std::filesystem::temp_directory_path() / "umbravel-sweep-bench.epw";
    std::ofstream(epw, std::ios::binary) << SteadyDaysEpw();
    const WeatherYear weather = ReadWeatherFile(epw.string());
    std::filesystem::remove(epw);
    const YearEntries e = PerezEntries(weather);
    for (auto _ : state)
        benchmark::DoNotOptimize(SweepDevice(e, {SweptDimension::L, 0.2, 4, 50}));
}
BENCHMARK(BM_SizingSweepOf50Depths)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
