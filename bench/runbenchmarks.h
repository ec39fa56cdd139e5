#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>

/// Runs the registered benchmarks inside an application, on the offscreen
/// platform unless QT_QPA_PLATFORM says otherwise. \a beforeQuit lets what
/// the benchmarks kept go while the application still exists.
inline int runBenchmarks(int argc, char **argv, const std::function<void()> &beforeQuit = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeQuit)
        beforeQuit();
    return 0;
}
