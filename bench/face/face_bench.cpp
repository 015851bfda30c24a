// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/clock_size_rules.h"
#include "face/face_renderer.h"
#include "face/jpeg_decoder.h"
#include "face_defaults.h"
#include "platform/font_substitution.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

// A photograph-like 4000 × 3000 JPEG (smooth gradients with grain), made once per run.
QString LargeJpegPath() {
    const QString path = QDir::temp().filePath(QStringLiteral("zorbel-bench-4000x3000.jpg"));
    if (!QFileInfo::exists(path)) {
        QImage image(4000, 3000, QImage::Format_RGB32);
        QRandomGenerator random(1234);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grain = int(random.bounded(24));
                row[x] = qRgb((x / 16 + grain) & 0xFF, (y / 12 + grain) & 0xFF,
                              ((x + y) / 28 + grain) & 0xFF);
            }
        }
        image.save(path, "JPG", 90);
    }
    return path;
}

void ComposeLoop(benchmark::State& state, ClockSettings settings, QSize client,
                 const QString& dataFolder, qreal devicePixelRatio = 1) {
    FaceRenderer renderer(dataFolder);
    FaceInputs in;
    in.clientSize = client;
    in.devicePixelRatio = devicePixelRatio;
    ClockTime time;
    renderer.Compose(settings, time, in); // the first draw shows only the colour
    renderer.Compose(settings, time, in); // decodes the picture and stretches it once
    int tick = 0;
    for (auto _ : state) {
        time.second = tick % 60;
        time.minute = (tick / 60) % 60;
        ++tick;
        ApplyClockSizeRules(settings, client.width(), client.height());
        benchmark::DoNotOptimize(renderer.Compose(settings, time, in).constBits());
    }
    if (renderer.Layout().pictureMissing) {
        state.SkipWithError("the picture did not load");
    }
}

// What the running clock pays each second: Update, with every position of the second hand
// seen once before the timing starts. The "repainted" counter is the share of the client
// area the window is told to repaint each second.
void UpdateLoop(benchmark::State& state, ClockSettings settings, QSize client,
                const QString& dataFolder, qreal devicePixelRatio = 1) {
    FaceRenderer renderer(dataFolder);
    FaceInputs in;
    in.clientSize = client;
    in.devicePixelRatio = devicePixelRatio;
    ClockTime time;
    time.hour = 10;
    int tick = 0;
    const auto next = [&] {
        time.second = tick % 60;
        time.minute = (tick / 60) % 60;
        ++tick;
        ApplyClockSizeRules(settings, client.width(), client.height());
        const QRegion changed = renderer.Update(settings, time, in);
        // As the clock window does, so that the kept parts are found unchanged.
        renderer.Layout().StoreIn(settings);
        return changed;
    };
    for (int warm = 0; warm < 62; ++warm) {
        next();
    }
    qint64 repainted = 0;
    for (auto _ : state) {
        const QRegion changed = next();
        for (const QRect& rect : changed) {
            repainted += qint64(rect.width()) * rect.height();
        }
    }
    state.counters["repainted"] =
        double(repainted) / double(state.iterations()) / double(client.width() * client.height());
    if (settings.Has(NoImage)) {
        state.SkipWithError("the picture did not load");
    }
}

// A face at the device pixel ratios of screens at 100 %, 150 % and 200 %. Qt may paint on
// threads of its own, so the CPU column counts every thread of the process.
void AtRatios(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("percent")->Arg(100)->Arg(150)->Arg(200)->MeasureProcessCPUTime()->Unit(
        benchmark::kMillisecond);
}

void BM_UpdateDefaultFace320x200(benchmark::State& state) {
    UpdateLoop(state, DefaultFaceSettings(), QSize(320, 200),
               QStringLiteral(ZORBEL_SOURCE_DIR "/resources/images"));
}
BENCHMARK(BM_UpdateDefaultFace320x200)->Unit(benchmark::kMillisecond);

// The same in 320 x 200, 480 x 300 and 640 x 400 device pixels.
void BM_UpdateDefaultFace320x200AtRatio(benchmark::State& state) {
    UpdateLoop(state, DefaultFaceSettings(), QSize(320, 200),
               QStringLiteral(ZORBEL_SOURCE_DIR "/resources/images"), state.range(0) / 100.0);
}
BENCHMARK(BM_UpdateDefaultFace320x200AtRatio)->Apply(AtRatios);

void BM_ComposeDefaultFace320x200(benchmark::State& state) {
    ComposeLoop(state, DefaultFaceSettings(), QSize(320, 200),
                QStringLiteral(ZORBEL_SOURCE_DIR "/resources/images"));
}
BENCHMARK(BM_ComposeDefaultFace320x200)->Unit(benchmark::kMillisecond);

void BM_ComposeDefaultFace320x200AtRatio(benchmark::State& state) {
    ComposeLoop(state, DefaultFaceSettings(), QSize(320, 200),
                QStringLiteral(ZORBEL_SOURCE_DIR "/resources/images"), state.range(0) / 100.0);
}
BENCHMARK(BM_ComposeDefaultFace320x200AtRatio)->Apply(AtRatios);

void BM_ComposeFace1024x768With4000x3000Jpeg(benchmark::State& state) {
    ClockSettings settings = DefaultFaceSettings();
    settings.Image_File = LargeJpegPath();
    settings.Width = 1024;
    settings.Height = 768;
    ComposeLoop(state, settings, QSize(1024, 768), QString());
}
BENCHMARK(BM_ComposeFace1024x768With4000x3000Jpeg)->Unit(benchmark::kMillisecond);

// The same window at 200 %: the picture stretched from its source to 2048 x 1536.
void BM_ComposeFace1024x768With4000x3000JpegAtRatio2(benchmark::State& state) {
    ClockSettings settings = DefaultFaceSettings();
    settings.Image_File = LargeJpegPath();
    settings.Width = 1024;
    settings.Height = 768;
    ComposeLoop(state, settings, QSize(1024, 768), QString(), 2);
}
BENCHMARK(BM_ComposeFace1024x768With4000x3000JpegAtRatio2)->Unit(benchmark::kMillisecond);

void BM_DecodeJpeg4000x3000(benchmark::State& state) {
    const QString path = LargeJpegPath();
    for (auto _ : state) {
        const DecodedPicture decoded = JpegDecoder::DecodeFile(path);
        if (!decoded.Ok()) {
            state.SkipWithError("decoding failed");
            break;
        }
        benchmark::DoNotOptimize(decoded.image.constBits());
    }
}
BENCHMARK(BM_DecodeJpeg4000x3000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
