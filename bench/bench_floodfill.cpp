// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The flood fill of a graphic against a plain memset of the same pixels, on
// a 4096x4096 picture that is all white and on one that is a maze of
// one-pixel corridors (the worst case for a span fill: short spans, many
// turns). Each run fills the region back and forth between two colours, so
// no copying is timed.

#include "ui/floodfill.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int kSide = 4096;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlue = 0xFF0000FFu;
constexpr QRgb kBlack = 0xFF000000u;

QImage &whitePicture()
{
    static QImage picture = [] {
        QImage image(kSide, kSide, QImage::Format_RGB32);
        image.fill(kWhite);
        return image;
    }();
    return picture;
}

// A perfect maze: cells on even coordinates, walls between them knocked
// down by a depth-first walk with a fixed seed.
QImage &mazePicture()
{
    static QImage picture = [] {
        QImage image(kSide, kSide, QImage::Format_RGB32);
        image.fill(kBlack);
        const int cells = kSide / 2;
        std::vector<bool> visited(size_t(cells) * cells, false);
        std::vector<int> stack{0};
        visited[0] = true;
        image.setPixel(0, 0, kWhite);
        std::mt19937 random(4096);
        while (!stack.empty()) {
            const int cell = stack.back();
            const int cx = cell % cells;
            const int cy = cell / cells;
            int options[4];
            int count = 0;
            const int dx[] = {1, -1, 0, 0};
            const int dy[] = {0, 0, 1, -1};
            for (int d = 0; d < 4; ++d) {
                const int nx = cx + dx[d];
                const int ny = cy + dy[d];
                if (nx >= 0 && ny >= 0 && nx < cells && ny < cells && !visited[size_t(ny) * cells + nx])
                    options[count++] = d;
            }
            if (count == 0) {
                stack.pop_back();
                continue;
            }
            const int d = options[random() % count];
            const int nx = cx + dx[d];
            const int ny = cy + dy[d];
            image.setPixel(2 * cx + dx[d], 2 * cy + dy[d], kWhite);
            image.setPixel(2 * nx, 2 * ny, kWhite);
            visited[size_t(ny) * cells + nx] = true;
            stack.push_back(ny * cells + nx);
        }
        return image;
    }();
    return picture;
}

void fillBackAndForth(benchmark::State &state, QImage &image)
{
    QRgb colours[2] = {kBlue, kWhite};
    int turn = 0;
    qint64 pixels = 0;
    for (auto _ : state) {
        const qint64 painted = ui::floodFill(image, QPoint(0, 0), colours[turn]);
        if (painted == 0)
            state.SkipWithError("nothing was filled");
        pixels += painted;
        turn ^= 1;
        benchmark::ClobberMemory();
    }
    if (turn == 1)
        ui::floodFill(image, QPoint(0, 0), kWhite);
    state.SetItemsProcessed(pixels);
    state.counters["pixels"] = double(pixels) / double(state.iterations());
}

void floodFillAllWhite(benchmark::State &state)
{
    fillBackAndForth(state, whitePicture());
}

void floodFillMaze(benchmark::State &state)
{
    fillBackAndForth(state, mazePicture());
}

void memsetSameBuffer(benchmark::State &state)
{
    QImage &image = whitePicture();
    uchar *bits = image.bits();
    const size_t bytes = size_t(image.sizeInBytes());
    int value = 0;
    for (auto _ : state) {
        std::memset(bits, value, bytes);
        benchmark::DoNotOptimize(bits);
        benchmark::ClobberMemory();
        value ^= 0xFF;
    }
    image.fill(kWhite);
    state.SetItemsProcessed(state.iterations() * qint64(kSide) * kSide);
}

} // namespace

BENCHMARK(memsetSameBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(floodFillAllWhite)->Unit(benchmark::kMillisecond);
BENCHMARK(floodFillMaze)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
