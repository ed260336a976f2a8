#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// One libFuzzer target around an entry point that answers with what went wrong.
#define STEPWICK_FUZZ_TARGET(entry)                                                                                   \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {                               \
        const QString problem = entry(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))); \
        if (!problem.isEmpty()) {                                                                                     \
            std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());                                          \
            std::abort();                                                                                             \
        }                                                                                                             \
        return 0;                                                                                                     \
    }
