#pragma once

#include <QTest>
#include <QtGlobal>

// The benchmarks run on Qt's offscreen platform, so that no display is
// needed, unless QT_QPA_PLATFORM names another (xcb on a display, say).
inline void preferOffscreenPlatform() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// main() of a Qt Test benchmark class that needs an Application object.
template <typename Application, typename Benchmark>
int runOffscreenBenchmark(int argc, char *argv[]) {
    preferOffscreenPlatform();
    Application app(argc, argv);
    Benchmark benchmark;
    return QTest::qExec(&benchmark, argc, argv);
}
