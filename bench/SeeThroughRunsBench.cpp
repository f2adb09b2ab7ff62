// The see-through region scan of a month calendar's picture, as the window makes it on
// each repaint: one month at 96 DPI (196 x 151) and at twice that size.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "SeeThroughRuns.h"

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kTitleColor = 0x00A05020;
constexpr std::uint32_t kTextColor = 0x00000000;

// The calendar at one scale, drawn top row first: a solid title band with a white month
// name, a row of day names, a rule, and six weeks of 7 two-digit days.
class CalendarPicture {
public:
    explicit CalendarPicture(int scale)
        : scale_(scale), width_(196 * scale), height_(151 * scale),
          pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kWhite) {
        Fill(0, 0, width_, 22, kTitleColor);
        for (int letter = 0; letter < 9; ++letter) Glyph(62 + letter * 8, 7, kWhite);
        for (int column = 0; column < 7; ++column) {
            Glyph(column * 28 + 8, 26, kTextColor);
            Glyph(column * 28 + 14, 26, kTextColor);
        }
        Fill(4, 37, 192, 38, kTextColor);
        for (int week = 0; week < 6; ++week) {
            for (int column = 0; column < 7; ++column) {
                Glyph(column * 28 + 8, 41 + week * 18, kTextColor);
                Glyph(column * 28 + 14, 41 + week * 18, kTextColor);
            }
        }
    }

    // Stored top row first: the scan's cost does not depend on the row order.
    const std::uint32_t* data() const { return pixels_.data(); }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    // Unscaled coordinates, right and bottom exclusive.
    void Fill(int left, int top, int right, int bottom, std::uint32_t color) {
        for (int y = top * scale_; y < bottom * scale_; ++y)
            for (int x = left * scale_; x < right * scale_; ++x)
                pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
                    color;
    }
    // A 5 x 8 character whose rows hold one to three strokes, like a digit's.
    void Glyph(int left, int top, std::uint32_t color) {
        static const std::string rows[8] = {".###.", "#...#", "#...#", ".###.",
                                            "#...#", "#.#.#", "#...#", ".###."};
        for (int row = 0; row < 8; ++row)
            for (int column = 0; column < 5; ++column)
                if (rows[row][static_cast<std::size_t>(column)] == '#')
                    Fill(left + column, top + row, left + column + 1, top + row + 1, color);
    }

    int scale_;
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

void BM_ScanSeeThroughRuns(benchmark::State& state) {
    const CalendarPicture picture(static_cast<int>(state.range(0)));
    std::size_t rectangles = 0;
    for (auto _ : state) {
        const SeeThroughRuns runs = ScanSeeThroughRuns(picture.data(), picture.width(), picture.height());
        rectangles = runs.rectangles.size();
        benchmark::DoNotOptimize(runs.rectangles.data());
    }
    state.SetLabel(std::to_string(picture.width()) + "x" + std::to_string(picture.height()));
    state.counters["rectangles"] = static_cast<double>(rectangles);
}
BENCHMARK(BM_ScanSeeThroughRuns)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
